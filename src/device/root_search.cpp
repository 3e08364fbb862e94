#include "device/root_search.h"

#include <algorithm>
#include <iterator>
#include <set>

#include "device/errors.h"
#include "device/file_system.h"
#include "device/mount_table.h"
#include "device/settings_line.h"
#include "device/volume_label.h"

namespace device {

std::vector<Volume> FatVolumes(std::string_view mount_table,
                               const std::filesystem::path& label_folder) {
  const std::vector<MountEntry> entries = ParseMountTable(mount_table);
  std::vector<Volume> volumes;
  std::set<std::string> devices;
  for (auto entry = entries.begin(); entry != entries.end(); ++entry) {
    if (!IsFatType(entry->type)) continue;
    const bool mounted_over = std::any_of(entry + 1, entries.end(), [&](const MountEntry& later) {
      return later.mount_point == entry->mount_point;
    });
    if (mounted_over || !devices.insert(entry->device).second) continue;
    volumes.push_back({entry->mount_point, VolumeLabel(entry->device, label_folder)});
  }
  return volumes;
}

std::vector<Volume> OncePerVolume(const std::vector<Volume>& volumes,
                                  const VolumeNamer& volume_name) {
  std::vector<Volume> once;
  std::set<std::wstring> names;
  for (const Volume& volume : volumes) {
    const std::wstring name = volume_name(volume.mount_point);
    if (name.empty() || names.insert(name).second) once.push_back(volume);
  }
  return once;
}

bool LooksLikeRecorderRoot(const std::filesystem::path& folder) {
  const FileSystem file_system(folder);
  try {
    return FindSettingsFile(file_system).has_value() ||
           file_system.EntryExists("\\date_time.cfg") || file_system.EntryExists("\\VOICE");
  } catch (const DeviceError&) {
    // A folder that cannot be read is passed over by the search; given as the root, it fails.
    return false;
  }
}

std::vector<Volume> RecorderVolumes(const std::vector<Volume>& volumes,
                                    const RootTest& looks_like_root) {
  std::vector<Volume> recorders;
  std::copy_if(volumes.begin(), volumes.end(), std::back_inserter(recorders),
               [&](const Volume& volume) { return looks_like_root(volume.mount_point); });
  return recorders;
}

RootChoice ChooseDeviceRoot(const std::filesystem::path& program_folder,
                            const VolumeSource& fat_volumes, const RootTest& looks_like_root) {
  if (looks_like_root(program_folder))
    return {RootChoice::Kind::kProgramFolder, program_folder, {}};
  std::vector<Volume> candidates = RecorderVolumes(fat_volumes(), looks_like_root);
  if (candidates.empty()) return {RootChoice::Kind::kFallback, program_folder, {}};
  if (candidates.size() == 1)
    return {RootChoice::Kind::kVolume, candidates.front().mount_point, {}};
  return {RootChoice::Kind::kChoose, {}, std::move(candidates)};
}

bool NoRecorderToUse(const RootChoice& choice, const std::filesystem::path& program_folder) {
  return choice.kind == RootChoice::Kind::kFallback && !OnRecorderVolume(program_folder);
}

}  // namespace device
