#pragma once

namespace win32 {

// A windowed program has no standard error of its own. When it was started with standard error
// redirected, the C runtime has taken that over; when it was started from a console, standard
// error is connected to that console here. Double-clicked, it stays without one.
void ConnectStandardError();

}  // namespace win32
