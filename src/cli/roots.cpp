#include "cli/roots.h"

#include <algorithm>
#include <iostream>
#include <system_error>

#include "app/program.h"
#include "app/root_argument.h"
#include "app/utf8_path.h"
#include "app/utf8_text.h"
#include "language/language.h"

namespace cli {
namespace {

using app::Printable;
using app::Utf8;

bool SameFolder(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error);
}

// Every recorder plugged in, and the program's folder where it is a recorder's root of its own.
std::vector<Root> EveryRecorder(const std::filesystem::path& program_folder,
                                const device::VolumeSource& recorder_volumes) {
  std::vector<Root> roots;
  const auto take = [&roots](const std::filesystem::path& path) {
    if (!device::LooksLikeRecorderRoot(path)) return;
    if (std::any_of(roots.begin(), roots.end(),
                    [&](const Root& root) { return SameFolder(root.path, path); }))
      return;
    roots.push_back({Utf8(path), path});
  };
  take(program_folder);
  for (const device::Volume& volume : recorder_volumes()) take(volume.mount_point);
  return roots;
}

}  // namespace

std::variant<std::vector<Root>, int> Roots(const CommandLine& command_line,
                                           const std::filesystem::path& program_folder,
                                           const device::VolumeSource& recorder_volumes) {
  std::vector<Root> roots;
  for (const std::string& root : command_line.roots)
    roots.push_back({app::RootText(root), app::RootFromArgument(root)});
  if (!roots.empty()) return roots;
  if (command_line.all) {
    roots = EveryRecorder(program_folder, recorder_volumes);
    if (!roots.empty()) return roots;
    std::cerr << language::Translate("No recorder is plugged in.") << std::endl;
    return app::kExitUsage;
  }
  const device::RootChoice choice =
      device::ChooseDeviceRoot(program_folder, recorder_volumes, device::LooksLikeRecorderRoot);
  if (device::NoRecorderToUse(choice, program_folder)) {
    std::cerr << language::Translate("No recorder is plugged in.") << std::endl;
    return app::kExitUsage;
  }
  if (choice.kind != device::RootChoice::Kind::kChoose)
    return std::vector<Root>{{Utf8(choice.root), choice.root}};
  std::cerr << language::Translate(
                   "Several recorders are plugged in. Name one as DEVICE_ROOT, or "
                   "give --all for every one:")
            << "\n";
  for (const device::Volume& volume : choice.candidates) {
    std::cerr << "  " << Printable(Utf8(volume.mount_point));
    if (!volume.label.empty()) std::cerr << "  (" << Printable(volume.label) << ")";
    std::cerr << "\n";
  }
  std::cerr << std::flush;
  return app::kExitUsage;
}

}  // namespace cli
