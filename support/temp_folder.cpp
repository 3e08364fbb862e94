#include "support/temp_folder.h"

#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <system_error>

namespace support {

TempFolder::TempFolder(std::string_view prefix, const std::filesystem::path& base) {
  static std::mt19937_64 random{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::ostringstream name;
    name << prefix << std::hex << random();
    // Fails with false when the name is taken, so that two folders are never shared.
    if (std::filesystem::create_directory(base / name.str())) {
      root_ = base / name.str();
      return;
    }
  }
  throw std::runtime_error("cannot make a temporary folder in " + base.string());
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  // A folder without the owner's permissions could not be emptied.
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root_, ignored)) {
    if (!entry.is_symlink()) {
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ignored);
    }
  }
  std::filesystem::remove_all(root_, ignored);
}

}  // namespace support
