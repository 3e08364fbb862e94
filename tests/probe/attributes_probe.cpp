// Reads or changes one file's attributes through the program's own file-system layer. Built for
// Linux and for Windows, it lets the two builds check each other on one folder: what one marks
// hidden, the other must read as hidden.
//
//   attributes_probe FOLDER NAME report      prints "file=1 entry=1 hidden=1 system=0 read-only=0"
//   attributes_probe FOLDER NAME hide        the attribute set "hidden" (FileSystem::SetAttributes)
//   attributes_probe FOLDER NAME normal      the attribute set "normal"
//   attributes_probe FOLDER NAME write TEXT  replaces the file with one line
//   (FileSystem::WriteLine) attributes_probe FOLDER NAME mark BITS   sets the raw hidden 0x2 and
//   system 0x4 bits as the
//                                            platform keeps them, bypassing FileSystem
//   attributes_probe FOLDER NAME read-only   sets the platform's read-only attribute

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include "device/file_system.h"
#include "support/dos_attributes.h"

namespace {

constexpr int kUsage = 64;

int Usage() {
  std::cerr << "usage: attributes_probe FOLDER NAME report|hide|normal|read-only|write TEXT|mark "
               "BITS\n";
  return kUsage;
}

void Report(const device::FileSystem& file_system, std::string_view name) {
  const std::filesystem::path path = file_system.root() / std::string(name);
  const std::string device_path = "\\" + std::string(name);
  const unsigned bits = support::DosBits(path);
  std::cout << "file=" << file_system.FileExists(device_path)
            << " entry=" << file_system.EntryExists(device_path)
            << " hidden=" << ((bits & support::kHiddenBit) != 0)
            << " system=" << ((bits & support::kSystemBit) != 0)
            << " read-only=" << support::IsReadOnly(path) << '\n';
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 4) return Usage();
  const std::string_view name = argv[2];
  const std::string_view command = argv[3];
  const bool takes_value = command == "write" || command == "mark";
  if (argc != (takes_value ? 5 : 4)) return Usage();

  device::FileSystem file_system{std::filesystem::path(argv[1])};
  const std::string device_path = "\\" + std::string(name);
  try {
    if (command == "report") {
      Report(file_system, name);
    } else if (command == "hide") {
      file_system.SetAttributes(device_path, device::Attributes::kHidden);
    } else if (command == "normal") {
      file_system.SetAttributes(device_path, device::Attributes::kNormal);
    } else if (command == "write") {
      file_system.WriteLine(device_path, argv[4]);
    } else if (command == "mark") {
      support::SetDosBits(file_system.root() / std::string(name),
                          static_cast<unsigned>(std::strtoul(argv[4], nullptr, 16)));
    } else if (command == "read-only") {
      support::SetReadOnly(file_system.root() / std::string(name), true);
    } else {
      return Usage();
    }
  } catch (const std::exception& error) {
    std::cerr << "attributes_probe: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
