#include "cli/start_command.h"

#include <functional>
#include <iostream>
#include <optional>

#include "app/utf8_text.h"
#include "cli/profile_sets.h"
#include "cli/session.h"
#include "cli/texts.h"
#include "device/device_lock.h"
#include "device/errors.h"
#include "device/settings_line.h"
#include "language/language.h"
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

// What applying the sets on a session's screen came to.
struct SetsApplied {
  std::optional<std::string> refused;  // what ends the Start, if anything
  bool picked = true;                  // whether any set was left to pick
};
// Applies the sets on a session's screen.
using SetsApplier = std::function<SetsApplied(Session& session)>;

Outcome WriteToRecorder(const Root& root, bool with_sets, const SetsApplier& apply,
                        const device::Clock& clock, const app::WriteObserver& observer) {
  // Another Start on this recorder, in a window or a script, ends before this one reads the
  // device, so the sets apply to the settings line as it is now. Start, clicked below, takes the
  // lock once more.
  std::optional<device::DeviceLock> lock;
  try {
    lock.emplace(root.path);
  } catch (const device::RuntimeFailure& failure) {
    // A Start in the window that waits as long for the lock fails as a write: so does this one.
    if (observer) {
      observer(
          {.root = root.path, .status = app::kExitRuntimeFailure, .message = failure.english()});
    }
    return Refuse(app::kExitRuntimeFailure, failure);
  }
  // Two passes. The sets are checked first on a session that cannot change the device, so that
  // a refused one changes nothing, not even "\VOICE"; then a session that may change it opens
  // the same screen, applies them once more and clicks Start.
  {
    Session check(root.path, clock, Session::Access::kReadOnly);
    check.Open();
    if (with_sets) check.OpenSettings();
    if (check.exit_status()) return check.ending();
    const SetsApplied applied = apply(check);
    if (applied.refused) return Refuse(app::kExitUsage, *applied.refused);
    // Nothing to pick (a profile whose settings this recorder does not show): the Start of its
    // first screen, as without sets.
    with_sets = applied.picked;
  }
  Session session(root.path, clock, Session::Access::kReadWrite, observer);
  session.Open();
  if (with_sets) session.OpenSettings();
  if (!session.exit_status()) {
    // The device changed since the check: refused as the check would refuse it now.
    if (with_sets) {
      if (auto refused = apply(session).refused) return Refuse(app::kExitUsage, *refused);
    }
    session.Click(screens::kStartButton);
  }
  return session.ending();
}

// Writes to the recorder; then, when no time server keeps the PC's clock right, tells the owner
// which time the recorder took: it takes the PC's time either way, having no better one.
Outcome Start(const Root& root, bool with_sets, const SetsApplier& apply,
              const device::Clock& clock, const app::WriteObserver& observer) {
  const RememberingClock written(clock);
  Outcome outcome = WriteToRecorder(root, with_sets, apply, written, observer);
  if (outcome.status == app::kExitDone &&
      clock.Synchronisation() == device::ClockSync::kNotSynchronised) {
    outcome.warning = UnsynchronisedClockText(written.last());
    std::cerr << outcome.warning << std::endl;
  }
  return outcome;
}

// Why a recorder without a settings screen takes no --set.
std::string NoScreenReason(Session& session) {
  try {
    if (!device::FindSettingsFile(session.file_system()))
      return std::string(language::Translate("this recorder has no settings file"));
  } catch (const device::DeviceError&) {
    // Read a moment ago; the Start that follows tells what went wrong.
  }
  return std::string(language::Translate("this recorder's model has no settings screen"));
}

// Picks the requests on a session's screen; gives the refusal that ends the Start, if any.
using Picker =
    std::function<std::optional<std::string>(Session& session, const RecorderRequests& requests)>;

// A Start after `pick` on the sets and the profile's entries that the recorder's screen shows;
// the profile's settings that it does not show are named on stderr.
Outcome StartWith(const Root& root, const std::vector<SetRequest>& sets, const Profile& profile,
                  const Picker& pick, const device::Clock& clock,
                  const app::WriteObserver& observer) {
  std::vector<std::string> not_shown;
  Outcome outcome = Start(
      root, !sets.empty() || !profile.entries.empty(),
      [&](Session& session) -> SetsApplied {
        const RecorderRequests requests =
            RequestsFor(session.screen(), session.window()->state(), sets, profile);
        not_shown = requests.not_shown;
        if (auto refused = pick(session, requests)) return {requests.Worded(*refused)};
        return {std::nullopt, !requests.requests.empty()};
      },
      clock, observer);
  if (!not_shown.empty())
    std::cerr << app::Printable(NotShownText(root.shown, not_shown)) << std::endl;
  return outcome;
}

}  // namespace

Outcome RunStart(const Root& root, const std::vector<SetRequest>& sets, const device::Clock& clock,
                 const Profile& profile, const app::WriteObserver& observer) {
  return StartWith(
      root, sets, profile,
      [](Session& session, const RecorderRequests& requests) {
        return ApplySets(session.screen(), session.window()->state(), requests.requests);
      },
      clock, observer);
}

Outcome RunWatchStart(const Root& root, const std::vector<SetRequest>& sets,
                      const device::Clock& clock, std::vector<std::string>& left_out,
                      const Profile& profile, const app::WriteObserver& observer) {
  return StartWith(
      root, sets, profile,
      [&](Session& session, const RecorderRequests& requests) -> std::optional<std::string> {
        // What the second pass leaves out counts: the device may have changed since the check.
        left_out = ApplyEachSet(session.screen(), session.window()->state(), requests.requests,
                                session.screen() ? "" : NoScreenReason(session));
        for (std::string& message : left_out) message = requests.Worded(message);
        return std::nullopt;
      },
      clock, observer);
}

}  // namespace cli
