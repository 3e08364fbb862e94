// Prints the removable drives that the Windows program would offer, one a line as "R:\<tab>label",
// and where the program started without an argument from FOLDER would take its root from:
//   drives_probe FOLDER    e.g. "choice=volume R:\" or "choice=choose R:\ S:\"
// scripts/windows-test runs it under Wine with drives mapped in the prefix.

#include <iostream>
#include <string>

#include "device/removable_drives.h"
#include "device/root_search.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::cerr << "usage: drives_probe FOLDER\n";
    return 64;
  }
  for (const device::Volume& drive : device::RemovableDrives())
    std::cout << drive.mount_point.string() << '\t' << drive.label << '\n';
  const auto choice =
      device::ChooseDeviceRoot(argv[1], device::RemovableDrives, device::LooksLikeRecorderRoot);
  const char* const kinds[] = {"program-folder", "volume", "choose", "fallback"};
  std::cout << "choice=" << kinds[static_cast<int>(choice.kind)];
  if (choice.kind == device::RootChoice::Kind::kChoose) {
    for (const device::Volume& drive : choice.candidates)
      std::cout << ' ' << drive.mount_point.string();
  } else {
    std::cout << ' ' << choice.root.string();
  }
  std::cout << '\n';
}
