#pragma once

#include <string>
#include <vector>

#include "device/root_search.h"

namespace cli {

// What --watch remembers of the recorders it has handled (written, or told of as unreadable), so
// that each plug-in is handled once: by the volume, not by the place it is mounted at. A volume is
// the same plug-in as one handled while it has the same device and one of the mounts that the
// handled one had, and none of them left in between. So a bind mount of a recorder, or the
// recorder when its first place is unmounted and a bind mount stays, is not handled again; a
// recorder unplugged and plugged in again, or another one mounted at the same place, is. A volume
// that tells neither its device nor its mounts is known by its mount point.
class PlugIns {
 public:
  // The volumes of a look that are plug-ins not handled yet, in their order. The handled ones
  // that are gone are forgotten, and those that stay take the look's mounts.
  std::vector<device::Volume> NotHandled(const std::vector<device::Volume>& volumes);
  // `volume`, as a look gave it, has been handled.
  void Handled(const device::Volume& volume);
  // These mounts (device::Volume::mounts) left since the look: a volume that has them again is a
  // new plug-in.
  void Left(const std::vector<std::string>& mounts);

 private:
  struct Known {
    std::string device;
    std::vector<std::string> mounts;
  };
  std::vector<Known> handled_;
};

// Every mount of `volumes`, in their order.
std::vector<std::string> MountsOf(const std::vector<device::Volume>& volumes);

}  // namespace cli
