#include "cli/start_command.h"

#include <optional>

#include "cli/session.h"
#include "device/device_lock.h"
#include "device/errors.h"
#include "screens/control_names.h"

namespace cli {

Outcome RunStart(const Root& root, const std::vector<SetRequest>& sets,
                 const device::Clock& clock) {
  // Another Start on this recorder, in a window or a script, ends before this one reads the
  // device, so the sets apply to the settings line as it is now. Start, clicked below, takes the
  // lock once more.
  std::optional<device::DeviceLock> lock;
  try {
    lock.emplace(root.path);
  } catch (const device::RuntimeFailure& failure) {
    return Refuse(app::kExitRuntimeFailure, failure.what());
  }
  // Two passes. The sets are checked first on a session that cannot change the device, so that
  // a refused one changes nothing, not even "\VOICE"; then a session that may change it opens
  // the same screen, applies them once more and clicks Start.
  {
    Session check(root.path, clock, Session::Access::kReadOnly);
    check.Open();
    if (!sets.empty()) check.OpenSettings();
    if (const auto status = check.exit_status()) return {*status, check.failure()};
    if (auto refused = ApplySets(check.screen(), check.window()->state(), sets))
      return Refuse(app::kExitUsage, *refused);
  }
  Session session(root.path, clock, Session::Access::kReadWrite);
  session.Open();
  if (!sets.empty()) session.OpenSettings();
  if (!session.exit_status()) {
    // The device changed since the check: refused as the check would refuse it now.
    if (auto refused = ApplySets(session.screen(), session.window()->state(), sets))
      return Refuse(app::kExitUsage, *refused);
    session.Click(screens::kStartButton);
  }
  return {session.exit_status().value_or(app::kExitRuntimeFailure), session.failure()};
}

}  // namespace cli
