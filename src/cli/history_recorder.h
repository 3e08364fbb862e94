#pragma once

#include <optional>
#include <string>

#include "app/write_record.h"
#include "cli/history_entry.h"
#include "cli/recorder_identity.h"
#include "device/clock.h"

namespace cli {

// The PC's time now, to the nearest second, with its zone offset: "2026-12-09T23:40:12+01:00".
std::string NowWithZoneOffset();

// The history entry of `record`, a write of `kind` to `recorder`, made now; `clock` tells whether
// the PC's clock was synchronised when the clock file was written.
HistoryEntry EntryFor(const std::string& kind, const app::WriteRecord& record,
                      const RecorderIdentity& recorder, const device::Clock& clock);

// Appends `entry` to the history. A history that cannot be written fails no write: standard error
// gets one line, and that is all.
void RecordInHistory(const HistoryEntry& entry);

// Records each write it is told of as `kind` in the history; none to record nothing.
app::WriteObserver HistoryObserver(const std::string& kind, const device::Clock& clock);

}  // namespace cli
