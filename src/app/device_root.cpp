#include "app/device_root.h"

#include "device/mount_table.h"
#include "device/root_search.h"

namespace app {

std::optional<std::filesystem::path> FindDeviceRoot(const std::filesystem::path& program_folder,
                                                    ui::VolumeChooser& chooser,
                                                    const MountSources& sources) {
  const device::RootChoice choice = device::ChooseDeviceRoot(
      program_folder,
      [&sources] {
        return device::FatVolumes(device::ReadMountTable(sources.mount_table),
                                  sources.label_folder);
      },
      device::LooksLikeRecorderRoot);
  if (choice.kind != device::RootChoice::Kind::kChoose) return choice.root;
  const auto chosen = chooser.Choose(choice.candidates);
  if (!chosen || *chosen >= choice.candidates.size()) return std::nullopt;
  return choice.candidates[*chosen].mount_point;
}

}  // namespace app
