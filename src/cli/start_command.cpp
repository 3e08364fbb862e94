#include "cli/start_command.h"

#include <iostream>
#include <optional>

#include "cli/session.h"
#include "cli/texts.h"
#include "device/device_lock.h"
#include "device/errors.h"
#include "screens/control_names.h"

namespace cli {
namespace {

// A clock that keeps the last time it gave: the time a Start wrote to the recorder.
class RememberingClock : public device::Clock {
 public:
  explicit RememberingClock(const device::Clock& clock) : clock_(clock) {}
  device::LocalTime Now() const override { return last_ = clock_.Now(); }
  device::ClockSync Synchronisation() const override { return clock_.Synchronisation(); }
  const device::LocalTime& last() const { return last_; }

 private:
  const device::Clock& clock_;
  mutable device::LocalTime last_;
};

Outcome WriteToRecorder(const Root& root, const std::vector<SetRequest>& sets,
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

}  // namespace

Outcome RunStart(const Root& root, const std::vector<SetRequest>& sets,
                 const device::Clock& clock) {
  const RememberingClock written(clock);
  Outcome outcome = WriteToRecorder(root, sets, written);
  // The recorder takes the PC's time either way: it has no better one. The owner is told when no
  // time server keeps that time right.
  if (outcome.status == app::kExitDone &&
      clock.Synchronisation() == device::ClockSync::kNotSynchronised) {
    outcome.warning = UnsynchronisedClockText(written.last());
    std::cerr << outcome.warning << std::endl;
  }
  return outcome;
}

}  // namespace cli
