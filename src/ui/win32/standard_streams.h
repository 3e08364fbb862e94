#pragma once

namespace ui::win32 {

// A windowed program has no standard output or error of its own. A stream that was redirected when
// the program started has been taken over by the C runtime; the others are connected to the
// console the program was started from, if any. Double-clicked, it stays without them.
// A stream that ends up on a console is written there as wide text, so that any character shows
// whatever the console's code page; a pipe or file gets the program's UTF-8 bytes unchanged.
void ConnectStandardStreams();

}  // namespace ui::win32
