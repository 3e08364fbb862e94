#include "scratch.h"

#include <unistd.h>

#include <stdexcept>

#include "support/temp_folder.h"

namespace fuzz {
namespace {

std::filesystem::path MakeOwnParent() {
  std::filesystem::path base = "/dev/shm";
  if (::access(base.c_str(), W_OK) != 0) base = std::filesystem::temp_directory_path();
  // Removed again when the process exits normally, as every static is.
  static const support::TempFolder own("dtc-fuzz-", base);
  return own.root();
}

bool KeepsUserAttributes(const std::filesystem::path& folder) {
  const support::DeviceFolder probe(folder);
  probe.Write("attribute-probe", "x");
  bool kept = true;
  try {
    probe.SetDosBits("attribute-probe", 0x2);
  } catch (const std::runtime_error&) {
    kept = false;
  }
  std::filesystem::remove(probe.Path("attribute-probe"));
  return kept;
}

}  // namespace

Scratch MakeScratch(const std::optional<std::filesystem::path>& parent) {
  const std::filesystem::path folder = parent ? *parent : MakeOwnParent();
  std::filesystem::create_directories(folder);
  return {support::DeviceFolder(folder / "read"), support::DeviceFolder(folder / "commit"),
          KeepsUserAttributes(folder)};
}

}  // namespace fuzz
