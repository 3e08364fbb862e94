#include "cli/history_command.h"

#include <iostream>
#include <optional>
#include <string>

#include "app/program.h"
#include "app/utf8_path.h"
#include "app/utf8_text.h"
#include "cli/history_file.h"
#include "cli/recorder_identity.h"

namespace cli {
namespace {

using app::Printable;

std::string HowWritten(const std::string& kind) {
  if (kind == "window") return "Start in the window";
  if (kind == "start" || kind == "watch" || kind == "undo") return "--" + kind;
  return Printable(kind);
}

std::string DeviceText(const std::string& bytes) {
  return Printable(app::Utf8FromLatin1(bytes));
}

// An entry for a person: a heading line, then what was written, each on a line of its own.
std::string EntryText(const HistoryEntry& entry) {
  std::string text =
      Printable(entry.when) + "  " + HowWritten(entry.kind) + " on " + Printable(entry.root);
  if (!entry.volume_label.empty() || !entry.volume_serial.empty()) {
    text += " (" + Printable(entry.volume_label) +
            (entry.volume_label.empty() || entry.volume_serial.empty() ? "" : ", ") +
            Printable(entry.volume_serial) + ")";
  }
  text += entry.status == 0 ? ": done\n"
                            : ": failed with status " + std::to_string(entry.status) + ": " +
                                  Printable(entry.message) + "\n";
  if (!entry.clock_set_to.empty()) {
    text += "  clock set to " + Printable(entry.clock_set_to);
    if (entry.pc_clock_synchronised)
      text +=
          *entry.pc_clock_synchronised ? ", PC clock synchronised" : ", PC clock not synchronised";
    text += "\n";
  }
  if (entry.model || !entry.version.empty()) {
    text += "  model " + (entry.model ? std::to_string(*entry.model) : std::string("none")) +
            ", version " + Printable(entry.version) + "\n";
  }
  if (entry.settings_before && entry.settings_after) {
    text += "  settings line " +
            (*entry.settings_before == *entry.settings_after
                 ? "unchanged"
                 : "in " + Printable(entry.settings_file) + "\n    before " +
                       DeviceText(*entry.settings_before) + "\n    after  " +
                       DeviceText(*entry.settings_after)) +
            "\n";
  }
  return text;
}

}  // namespace

int RunHistory(const CommandLine& command_line) {
  const std::optional<std::filesystem::path> file = HistoryPath();
  const HistoryLines history = file ? ReadHistoryLines(*file) : HistoryLines{};
  if (history.problem) {
    std::cerr << "The history of writes cannot be read (" << Printable(*history.problem) << ")."
              << std::endl;
    return app::kExitRuntimeFailure;
  }
  std::optional<RecorderIdentity> recorder;
  if (!command_line.roots.empty())
    recorder = IdentifyRecorder(app::RootFromArgument(command_line.roots.front()));
  std::size_t shown = 0;
  for (const std::string& line : history.lines) {
    const std::optional<HistoryEntry> entry = ParseHistoryLine(line);
    if (recorder && (!entry || !IsOfRecorder(*entry, *recorder))) continue;
    ++shown;
    if (command_line.json) {
      std::cout << line << "\n";
    } else if (entry) {
      std::cout << EntryText(*entry);
    } else {
      std::cout << "(a line that is not a write: " << Printable(line) << ")\n";
    }
  }
  if (shown == 0 && !command_line.json) {
    std::cout << "No writes are in the history";
    if (file) std::cout << " " << Printable(app::Utf8(*file));
    std::cout << "." << std::endl;
  }
  std::cout << std::flush;
  return app::kExitDone;
}

}  // namespace cli
