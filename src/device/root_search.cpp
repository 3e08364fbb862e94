#include "device/root_search.h"

#include <algorithm>
#include <iterator>
#include <map>

#include "device/errors.h"
#include "device/file_system.h"
#include "device/mount_table.h"
#include "device/recorder_files.h"
#include "device/settings_line.h"
#include "device/volume_label.h"

namespace device {

namespace {

std::string Utf8(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return std::string(utf8.begin(), utf8.end());
}

}  // namespace

std::vector<Volume> FatVolumes(std::string_view mount_table,
                               const std::filesystem::path& label_folder) {
  return FatVolumes(ParseMountTable(mount_table), label_folder);
}

std::vector<Volume> FatVolumes(const std::vector<MountEntry>& entries,
                               const std::filesystem::path& label_folder,
                               const UniqueIdLookup& unique_id) {
  std::vector<Volume> volumes;
  std::map<std::string, std::size_t> devices;  // a device, and its volume's place in `volumes`
  for (auto entry = entries.begin(); entry != entries.end(); ++entry) {
    if (!IsFatType(entry->type)) continue;
    if (!entry->volume_folder.empty() && entry->volume_folder != "/") continue;
    const bool mounted_over = std::any_of(entry + 1, entries.end(), [&](const MountEntry& later) {
      return later.mount_point == entry->mount_point;
    });
    if (mounted_over) continue;
    const std::string device = entry->device_number.empty() ? entry->device : entry->device_number;
    const auto [found, first] = devices.emplace(device, volumes.size());
    if (first) {
      volumes.push_back(
          {entry->mount_point, VolumeLabel(entry->device, label_folder), entry->device_number, {}});
    }
    if (entry->mount_id.empty()) continue;
    std::string mount = entry->mount_id + " " + entry->device_number;
    if (const std::string unique = unique_id ? unique_id(*entry) : ""; !unique.empty()) {
      mount += " " + unique;
    }
    volumes[found->second].mounts.push_back(std::move(mount));
  }
  return volumes;
}

std::vector<Volume> OncePerVolume(const std::vector<Volume>& volumes,
                                  const VolumeNamer& volume_name) {
  std::vector<Volume> once;
  std::map<std::wstring, std::size_t> names;  // a volume's name, and its place in `once`
  for (const Volume& volume : volumes) {
    const std::wstring name = volume_name(volume.mount_point);
    const std::string place = Utf8(volume.mount_point);
    if (!name.empty()) {
      const auto [found, first] = names.emplace(name, once.size());
      if (!first) {
        once[found->second].mounts.push_back(place);
        continue;
      }
    }
    once.push_back(volume);
    once.back().device = name.empty() ? "" : Utf8(std::filesystem::path(name));
    once.back().mounts = {place};
  }
  return once;
}

bool LooksLikeRecorderRoot(const std::filesystem::path& folder) {
  // A folder that cannot be read is passed over by the search; given as the root, it fails.
  return LookAtRoot(folder).kind == RootLook::Kind::kRecorder;
}

RootLook LookAtRoot(const std::filesystem::path& folder) {
  const FileSystem file_system(folder);
  try {
    const bool recorder = FindSettingsFile(file_system).has_value() ||
                          file_system.EntryExists(kClockFilePath) ||
                          file_system.EntryExists(kVoicePath);
    return {recorder ? RootLook::Kind::kRecorder : RootLook::Kind::kOther, {}};
  } catch (const DeviceError& error) {
    return {RootLook::Kind::kUnreadable, error.reason().empty() ? error.what() : error.reason()};
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
