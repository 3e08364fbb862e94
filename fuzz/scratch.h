#pragma once

#include <filesystem>
#include <optional>

#include "support/device_folder.h"

namespace fuzz {

// The two recorder roots of a fuzzing run, made once and emptied for every input: one for the
// lookup, read and loads, one for the write-back.
struct Scratch {
  support::DeviceFolder read;
  support::DeviceFolder commit;
  // False where the file system keeps no user attributes: the program then has no hidden files,
  // and whether a .bak is hidden cannot be checked.
  bool keeps_attributes;
};

// The scratch folders under `parent`, or under a new folder in /dev/shm (else the temporary
// folder) that is removed again when the process exits normally.
Scratch MakeScratch(const std::optional<std::filesystem::path>& parent);

}  // namespace fuzz
