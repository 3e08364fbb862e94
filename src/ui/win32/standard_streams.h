#pragma once

namespace win32 {

// A windowed program has no standard output or error of its own. A stream that was redirected when
// the program started has been taken over by the C runtime; the others are connected to the
// console the program was started from, if any. Double-clicked, it stays without them.
void ConnectStandardStreams();

}  // namespace win32
