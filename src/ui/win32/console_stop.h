#pragma once

namespace ui::win32 {

// Ctrl+C, Ctrl+Break and closing the console end the program as before, but not in the middle of
// a Start: a write that waits for a busy file gives up at once and removes its temporary file,
// and the program ends once it has (at most kStopCleanUpWait later). --watch puts its own handler
// in front of this one.
void FinishWritesBeforeConsoleStop();

}  // namespace ui::win32
