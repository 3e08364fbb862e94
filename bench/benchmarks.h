#pragma once

namespace bench {

// Each screen from the device root to the window painted, against a bare window of the same
// widgets.
void RegisterScreenBenchmarks();
// The same in a fresh process, where the one-time costs of the first window show.
void RegisterColdStartBenchmarks();
// Start on a settings screen, from the click to the last flush, against the bare file writes.
void RegisterStartBenchmarks();
// The live clock's CPU time while a window sits idle, against a bare label on a 100 ms timer.
void RegisterClockBenchmarks();

// Whether this process was started by a cold start measurement to show one first window.
bool IsColdStartChild(int argc, char** argv);
// Shows that window, prints the wall and CPU seconds it took and returns the exit status.
int RunColdStartChild(int argc, char** argv);

}  // namespace bench
