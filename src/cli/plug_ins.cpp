#include "cli/plug_ins.h"

#include <algorithm>

#include "app/utf8_path.h"

namespace cli {
namespace {

std::string DeviceOf(const device::Volume& volume) {
  return volume.device.empty() ? app::Utf8(volume.mount_point) : volume.device;
}

std::vector<std::string> KeysOf(const device::Volume& volume) {
  if (volume.mounts.empty()) return {app::Utf8(volume.mount_point)};
  return volume.mounts;
}

bool Shares(const std::vector<std::string>& some, const std::vector<std::string>& others) {
  return std::any_of(some.begin(), some.end(), [&](const std::string& mount) {
    return std::find(others.begin(), others.end(), mount) != others.end();
  });
}

}  // namespace

std::vector<device::Volume> PlugIns::NotHandled(const std::vector<device::Volume>& volumes) {
  std::vector<bool> handled(volumes.size(), false);
  std::erase_if(handled_, [&](Known& known) {
    for (std::size_t i = 0; i < volumes.size(); ++i) {
      const std::vector<std::string> mounts = KeysOf(volumes[i]);
      if (handled[i] || DeviceOf(volumes[i]) != known.device || !Shares(mounts, known.mounts))
        continue;
      handled[i] = true;
      known.mounts = mounts;
      return false;
    }
    return true;
  });
  std::vector<device::Volume> not_handled;
  for (std::size_t i = 0; i < volumes.size(); ++i) {
    if (!handled[i]) not_handled.push_back(volumes[i]);
  }
  return not_handled;
}

void PlugIns::Handled(const device::Volume& volume) {
  handled_.push_back({DeviceOf(volume), KeysOf(volume)});
}

void PlugIns::Left(const std::vector<std::string>& mounts) {
  for (Known& known : handled_) {
    std::erase_if(known.mounts, [&](const std::string& mount) {
      return std::find(mounts.begin(), mounts.end(), mount) != mounts.end();
    });
  }
}

std::vector<std::string> MountsOf(const std::vector<device::Volume>& volumes) {
  std::vector<std::string> mounts;
  for (const device::Volume& volume : volumes) {
    for (const std::string& mount : KeysOf(volume)) mounts.push_back(mount);
  }
  return mounts;
}

}  // namespace cli
