#include "cli/history_command.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>

#include "app/program.h"
#include "app/utf8_path.h"
#include "app/utf8_text.h"
#include "cli/history_file.h"
#include "cli/output_text.h"
#include "cli/recorder_identity.h"
#include "language/language.h"

namespace cli {
namespace {

using app::Printable;

using language::Fill;
using language::Translate;

std::string HowWritten(const std::string& kind) {
  if (kind == "window") return std::string(Translate("Start in the window"));
  if (kind == "start" || kind == "watch" || kind == "undo") return "--" + kind;
  return Printable(kind);
}

std::string DeviceText(const std::string& bytes) {
  return Printable(app::Utf8FromLatin1(bytes));
}

// The write's heading: when, how, where, and how it ended.
std::string HeadingText(const HistoryEntry& entry) {
  std::string where = Printable(entry.root);
  if (!entry.volume_label.empty() || !entry.volume_serial.empty()) {
    where += " (" + Printable(entry.volume_label) +
             (entry.volume_label.empty() || entry.volume_serial.empty() ? "" : ", ") +
             Printable(entry.volume_serial) + ")";
  }
  const std::string heading =
      // Translators: {1} the time of the write, {2} how it was made ("--start", "Start in the
      // window"), {3} the recorder's folder.
      Fill(Translate("{1}  {2} on {3}"), {Printable(entry.when), HowWritten(entry.kind), where});
  if (entry.status == 0) return Fill(Translate("{1}: done"), {heading});
  // Translators: {1} the write's heading, {2} the exit status, {3} the reason.
  return Fill(Translate("{1}: failed with status {2}: {3}"),
              {heading, std::to_string(entry.status), Printable(entry.message)});
}

std::string ClockText(const HistoryEntry& entry) {
  const std::string_view pattern = !entry.pc_clock_synchronised ? Translate("clock set to {1}")
                                   : *entry.pc_clock_synchronised
                                       ? Translate("clock set to {1}, PC clock synchronised")
                                       : Translate("clock set to {1}, PC clock not synchronised");
  return Fill(pattern, {Printable(entry.clock_set_to)});
}

std::string SettingsLineText(const HistoryEntry& entry) {
  if (*entry.settings_before == *entry.settings_after)
    return std::string(Translate("settings line unchanged"));
  // The two lines start in one column, to be compared by eye.
  const std::string_view before = Translate("before");
  const std::string_view after = Translate("after");
  const std::size_t width = std::max(TerminalColumns(before), TerminalColumns(after)) + 1;
  const auto labelled = [width](std::string_view label, const std::string& line) {
    return "    " + std::string(label) + std::string(width - TerminalColumns(label), ' ') +
           DeviceText(line);
  };
  return Fill(Translate("settings line in {1}"), {Printable(entry.settings_file)}) + "\n" +
         labelled(before, *entry.settings_before) + "\n" + labelled(after, *entry.settings_after);
}

// An entry for a person: a heading line, then what was written, each on a line of its own.
std::string EntryText(const HistoryEntry& entry) {
  std::string text = HeadingText(entry) + "\n";
  if (!entry.clock_set_to.empty()) text += "  " + ClockText(entry) + "\n";
  if (entry.model || !entry.version.empty()) {
    text += "  " +
            Fill(Translate("model {1}, version {2}"),
                 {entry.model ? std::to_string(*entry.model) : std::string(Translate("none")),
                  Printable(entry.version)}) +
            "\n";
  }
  if (entry.settings_before && entry.settings_after) text += "  " + SettingsLineText(entry) + "\n";
  return text;
}

}  // namespace

int RunHistory(const CommandLine& command_line) {
  const std::optional<std::filesystem::path> file = HistoryPath();
  const HistoryLines history = file ? ReadHistoryLines(*file) : HistoryLines{};
  if (history.problem) {
    std::cerr << Fill(Translate("The history of writes cannot be read ({1})."),
                      {Printable(*history.problem)})
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
      std::cout << Fill(Translate("(a line that is not a write: {1})"), {Printable(line)}) << "\n";
    }
  }
  if (shown == 0 && !command_line.json) {
    std::cout << (file ? Fill(Translate("No writes are in the history {1}."),
                              {Printable(app::Utf8(*file))})
                       : std::string(Translate("No writes are in the history.")))
              << std::endl;
  }
  std::cout << std::flush;
  return app::kExitDone;
}

}  // namespace cli
