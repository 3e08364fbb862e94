#include "cli/undo_command.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/utf8_text.h"
#include "cli/history_file.h"
#include "cli/history_recorder.h"
#include "device/errors.h"
#include "device/settings_line.h"
#include "device/start_guard.h"
#include "device/write_back.h"
#include "language/message.h"

namespace cli {
namespace {

using language::Fill;
using language::Message;
using language::ToTranslate;
using language::Translate;

// The recorder's line is not the one the Start to undo wrote.
struct ChangedSince {};

// The last write in the history that changed the recorder's settings line, or none.
std::optional<HistoryEntry> LastChange(const std::vector<std::string>& lines,
                                       const RecorderIdentity& recorder) {
  std::optional<HistoryEntry> last;
  for (const std::string& line : lines) {
    std::optional<HistoryEntry> entry = ParseHistoryLine(line);
    if (entry && entry->ChangedSettings() && IsOfRecorder(*entry, recorder)) last = entry;
  }
  return last;
}

// Writes the line back, noting in `written` what it wrote. Throws ChangedSince, or what the
// device throws.
void Restore(device::FileSystem& file_system, const HistoryEntry& start,
             device::SettingsWritten& written) {
  const device::StartGuard guard(file_system);
  if (!device::FindSettingsFile(file_system)) throw ChangedSince();
  const auto unchanged = [&start](const device::SettingsLine& line) {
    if (line.bytes() != *start.settings_after) throw ChangedSince();
  };
  device::RestoreSettingsLine(file_system, *start.settings_before, unchanged, written);
}

}  // namespace

Outcome RunUndo(const Root& root, bool record) {
  const std::optional<std::filesystem::path> file = HistoryPath();
  const HistoryLines history = file ? ReadHistoryLines(*file) : HistoryLines{};
  if (history.problem) {
    return Refuse(
        app::kExitRuntimeFailure,
        Message(ToTranslate("The history of writes cannot be read ({1})."), {*history.problem}));
  }
  const RecorderIdentity recorder = IdentifyRecorder(root.path);
  const std::optional<HistoryEntry> last = LastChange(history.lines, recorder);
  if (!last) {
    return Refuse(
        app::kExitUsage,
        Message(ToTranslate("Nothing was undone: the history on this PC has no Start that "
                            "changed the settings of the recorder at {1}."),
                {root.shown}));
  }
  if (last->kind == "undo") {
    return Refuse(app::kExitUsage,
                  Message(ToTranslate("Nothing was undone: the last change to the settings of the "
                                      "recorder at {1} was already undone, at {2}."),
                          {root.shown, last->when}));
  }

  app::WriteRecord written{.root = root.path};
  device::FileSystem file_system(root.path);
  device::SettingsWritten restored;
  std::optional<device::RuntimeFailure> failed;
  try {
    Restore(file_system, *last, restored);
  } catch (const ChangedSince&) {
    return Refuse(
        app::kExitUsage,
        Message(ToTranslate("Nothing was undone: the settings of the recorder at {1} have "
                            "changed since the Start at {2} wrote them, so that Start can no "
                            "longer be undone."),
                {root.shown, last->when}));
  } catch (const device::RuntimeFailure& failure) {
    failed = failure;
    written.status = app::kExitRuntimeFailure;
    written.message = failure.english();
  }
  written.settings_before = restored.before;
  written.settings_after = restored.after;
  written.settings_file = restored.file;
  if (record) {
    const device::SystemClock clock;
    RecordInHistory(EntryFor("undo", written, recorder, clock));
  }
  if (failed) return Refuse(written.status, *failed);
  std::cout << Fill(Translate("{1}: the settings are back to what they were before the Start at "
                              "{2}."),
                    {app::Printable(root.shown), last->when})
            << std::endl;
  return {};
}

}  // namespace cli
