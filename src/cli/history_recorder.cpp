#include "cli/history_recorder.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <iostream>

#include "app/utf8_path.h"
#include "app/utf8_text.h"
#include "cli/history_file.h"
#include "device/settings_line.h"
#include "language/language.h"
#include "screens/screen_table.h"

namespace cli {
namespace {

std::string IsoLocalTime(const device::LocalTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", time.year, time.month, time.day,
                time.hour, time.minute, time.second);
  return text;
}

}  // namespace

std::string NowWithZoneOffset() {
  // To the nearest second, as the clock file's time: a line never seems older than what it wrote.
  using namespace std::chrono;
  const std::time_t now = system_clock::to_time_t(floor<seconds>(system_clock::now() + 500ms));
  std::tm local{};
#ifdef _WIN32
  _tzset();
  localtime_s(&local, &now);
  std::tm as_utc = local;
  const std::time_t shifted = _mkgmtime(&as_utc);
#else
  tzset();
  localtime_r(&now, &local);
  std::tm as_utc = local;
  const std::time_t shifted = timegm(&as_utc);
#endif
  // The local time read as UTC lies as far from now as the zone is from UTC.
  const long offset_minutes = static_cast<long>(shifted - now) / 60;
  const long minutes = offset_minutes < 0 ? -offset_minutes : offset_minutes;
  char zone[48];
  std::snprintf(zone, sizeof zone, "%c%02ld:%02ld", offset_minutes < 0 ? '-' : '+', minutes / 60,
                minutes % 60);
  return IsoLocalTime({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                       local.tm_min, local.tm_sec}) +
         zone;
}

HistoryEntry EntryFor(const std::string& kind, const app::WriteRecord& record,
                      const RecorderIdentity& recorder, const device::Clock& clock) {
  HistoryEntry entry;
  entry.kind = kind;
  entry.when = NowWithZoneOffset();
  if (record.clock_written) {
    entry.clock_set_to = IsoLocalTime(*record.clock_written);
    const device::ClockSync sync = clock.Synchronisation();
    if (sync != device::ClockSync::kUnknown)
      entry.pc_clock_synchronised = sync == device::ClockSync::kSynchronised;
  }
  entry.root = recorder.root;
  entry.volume_label = recorder.label;
  entry.volume_serial = recorder.serial;
  if (record.settings_before) {
    const device::SettingsLine line(*record.settings_before);
    entry.model = screens::ModelCode(line);
    entry.version = app::Utf8FromLatin1(line.VersionText());
  }
  entry.settings_before = record.settings_before;
  entry.settings_after = record.settings_after;
  entry.settings_file = record.settings_file;
  entry.status = record.status;
  entry.message = record.message;
  return entry;
}

void RecordInHistory(const HistoryEntry& entry) {
  const std::optional<std::filesystem::path> file = HistoryPath();
  const std::optional<std::string> problem =
      file ? AppendHistoryLine(*file, HistoryJson(entry))
           : std::optional<std::string>(language::Translate(
                 "no folder is set for it (XDG_STATE_HOME, HOME or LOCALAPPDATA)"));
  if (problem) {
    std::cerr << language::Fill(language::Translate("This write is not in the history: {1}"),
                                {app::Printable(*problem)})
              << std::endl;
  }
}

app::WriteObserver HistoryObserver(const std::string& kind, const device::Clock& clock) {
  return [kind, &clock](const app::WriteRecord& record) {
    RecordInHistory(EntryFor(kind, record, IdentifyRecorder(record.root), clock));
  };
}

}  // namespace cli
