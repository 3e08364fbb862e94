#pragma once

#include <string>

namespace ui::win32 {

// For the console program (.com) double-clicked in Explorer, which Windows gives a console of its
// own: when no other process shares the console, the program leaves it (it closes with nobody on
// it), so that closing it cannot end the window, and goes on as the windowed .exe would. Returns
// whether it left one. Streams that lead to a pipe or a file stay.
bool LeaveOwnConsole();

// A windowed program has no standard output or error of its own. A stream that was redirected when
// the program started has been taken over by the C runtime; the others are connected to the
// console the program was started from, if any.
// A stream that ends up on a console is written there as wide text, so that any character shows
// whatever the console's code page. A pipe or file from a program that has a console gets the
// console's output code page, as the programs there (more, findstr, PowerShell) read it; with
// `utf8_output`, standard output stays UTF-8 (--show --json). Without a console a pipe or file
// gets UTF-8. Standard error that leads nowhere is kept for UnseenErrorText.
void ConnectStandardStreams(bool utf8_output);

// What the program wrote on standard error while it had none (double-clicked, or started from a
// shortcut): empty when it had one.
std::string UnseenErrorText();

}  // namespace ui::win32
