#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cli {

// One line of the history of writes: a write to a recorder from this PC, done or failed.
struct HistoryEntry {
  std::string kind;          // "window", "start", "watch" (a Start) or "undo"
  std::string when;          // the PC's time with its zone offset: "2026-12-09T23:40:12+01:00"
  std::string clock_set_to;  // what date_time.cfg got, "2026-12-09T23:40:12"; "" where nothing
  std::optional<bool> pc_clock_synchronised;  // none where the system does not tell
  std::string root;                           // UTF-8, absolute
  std::string volume_label;                   // "" where unknown
  std::string volume_serial;                  // "1A2B-3C4D", "" where unknown
  std::optional<int> model;
  std::string version;  // the recorder's version text, UTF-8
  // The settings line's bytes before and after the write, and the file it went to ("\x.bak").
  std::optional<std::string> settings_before;
  std::optional<std::string> settings_after;
  std::string settings_file;
  int status = 0;  // the exit status of the write: 0 done
  std::string message;

  // A write that is done and changed the settings line.
  bool ChangedSettings() const;
};

// The entry as one JSON object on one line. Device bytes are kept as Latin-1 characters, so
// that a line read back gives the very same bytes.
std::string HistoryJson(const HistoryEntry& entry);
// A line of the history read back; none where it is not an entry (a line cut short).
std::optional<HistoryEntry> ParseHistoryLine(std::string_view line);

}  // namespace cli
