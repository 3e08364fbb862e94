// Sends one desktop notification as --watch does: notify_probe TITLE TEXT.
// A CTest test runs it on a private session bus that dbus-monitor watches, and with no bus.

#include <iostream>

#include "ui/qt/watch_system.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::cerr << "usage: notify_probe TITLE TEXT\n";
    return 64;
  }
  // Sent on the watch's notification thread, which is given up to 1.5 s at the end.
  ui::qt::MakeWatchSystemWithGrace(std::chrono::milliseconds(1500))->Notify(argv[1], argv[2]);
  return 0;
}
