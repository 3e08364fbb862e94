#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "device/mount_table.h"

namespace device {

// A mounted FAT volume that the program may take as the device root.
struct Volume {
  std::filesystem::path mount_point;
  std::string label;  // empty when unknown
  // What tells one plug-in from another (--watch); empty where unknown. `device` is the same at
  // every place the volume is mounted at (Linux: its device number; Windows: its volume name).
  // `mounts` holds one entry for each place that reaches its root, and a mount made anew gives a
  // new one, at least while the old one is gone (Linux: mount ID, device number and, from Linux
  // 6.8, the unique mount ID; Windows: the drive's root, "E:\").
  std::string device = {};
  std::vector<std::string> mounts = {};
  bool operator==(const Volume&) const = default;
};

// The FAT volumes of a mount table that can be reached, each once, in the table's order, with
// their labels from `label_folder`. A mount point that a later entry mounts over is out of reach;
// a volume mounted at several places (a bind mount) counts at its first place.
std::vector<Volume> FatVolumes(std::string_view mount_table,
                               const std::filesystem::path& label_folder);
// The same for the entries of either table. From /proc/self/mountinfo a volume is its device
// number, each of its places adds a mount (with `unique_id`'s where given), and a place that
// mounts a folder of the volume, not its root, does not count.
using UniqueIdLookup = std::function<std::string(const MountEntry& entry)>;
std::vector<Volume> FatVolumes(const std::vector<MountEntry>& entries,
                               const std::filesystem::path& label_folder,
                               const UniqueIdLookup& unique_id = {});

// Whether `folder` looks like a recorder's root: it holds a candidate settings file, or an entry
// "\date_time.cfg" or "\VOICE". Symbolic links do not count; a folder that cannot be read does not
// look like one.
bool LooksLikeRecorderRoot(const std::filesystem::path& folder);

// The same with a folder that cannot be read told apart, with the system's reason.
struct RootLook {
  enum class Kind { kRecorder, kOther, kUnreadable };
  Kind kind;
  std::string reason;  // for kUnreadable ("Permission denied")
};
RootLook LookAtRoot(const std::filesystem::path& folder);

// Whether `folder` lies on a volume that a recorder could be: a FAT volume on Linux, a removable
// or USB drive (never the system drive) on Windows. A folder that cannot be examined is not.
bool OnRecorderVolume(const std::filesystem::path& folder);

// Each volume of `volumes` once, at its first place: `volume_name` names the volume mounted at a
// place, the same for every place it is mounted at; a place without a name is always kept. Each
// volume kept has its name as its device and its places as its mounts.
using VolumeNamer = std::function<std::wstring(const std::filesystem::path& mount_point)>;
std::vector<Volume> OncePerVolume(const std::vector<Volume>& volumes,
                                  const VolumeNamer& volume_name);

using RootTest = std::function<bool(const std::filesystem::path& folder)>;

// The volumes among `volumes` that look like a recorder's root, in their order.
std::vector<Volume> RecorderVolumes(const std::vector<Volume>& volumes,
                                    const RootTest& looks_like_root = LooksLikeRecorderRoot);

// Where the system does not report drives coming and going, they are looked at this often: each
// look reads the mount table or asks every drive.
inline constexpr int kDriveLookIntervalMs = 1000;

// Where the device root comes from when the program is started without one.
struct RootChoice {
  enum class Kind {
    kProgramFolder,  // the program's folder looks like a recorder's root
    kVolume,         // exactly one FAT volume does
    kChoose,         // several do: the user picks one of `candidates`
    kFallback,       // none does: the program's folder all the same
  };
  Kind kind;
  std::filesystem::path root;      // for every kind but kChoose
  std::vector<Volume> candidates;  // for kChoose
};

// The mounted FAT volumes, read only when the program's folder is not a recorder's root.
using VolumeSource = std::function<std::vector<Volume>()>;

RootChoice ChooseDeviceRoot(const std::filesystem::path& program_folder,
                            const VolumeSource& fat_volumes, const RootTest& looks_like_root);

// Whether a choice leaves no recorder to work on: none was found, and the program's folder could
// not be one either (it is written to only on a recorder's drive, as a new recorder with nothing
// on it yet, never beside an installed program).
bool NoRecorderToUse(const RootChoice& choice, const std::filesystem::path& program_folder);

}  // namespace device
