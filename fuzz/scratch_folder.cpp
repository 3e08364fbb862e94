#include "scratch_folder.h"

#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "support/temp_folder.h"

namespace fuzz {
namespace {

constexpr const char* kDosAttributeName = "user.DOSATTRIB";

std::filesystem::path MakeOwnParent() {
  std::filesystem::path base = "/dev/shm";
  if (::access(base.c_str(), W_OK) != 0) base = std::filesystem::temp_directory_path();
  // Removed again when the process exits normally, as every static is.
  static const support::TempFolder own("dtc-fuzz-", base);
  return own.root();
}

bool KeepsUserAttributes(const std::filesystem::path& folder) {
  const std::filesystem::path probe = folder / "attribute-probe";
  std::ofstream(probe).put('x');
  const bool kept = ::setxattr(probe.c_str(), kDosAttributeName, "0x2", 3, 0) == 0;
  std::filesystem::remove(probe);
  return kept;
}

}  // namespace

ScratchFolder::ScratchFolder(std::filesystem::path root) : root_(std::move(root)) {
  std::filesystem::create_directories(root_);
}

void ScratchFolder::Reset(std::string_view name, std::string_view bytes) const {
  for (const auto& entry : std::filesystem::directory_iterator(root_)) {
    std::filesystem::remove_all(entry.path());
  }
  Write(name, bytes);
}

void ScratchFolder::Write(std::string_view name, std::string_view bytes) const {
  std::ofstream file(root_ / std::string(name), std::ios::binary);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file.flush()) throw std::runtime_error("cannot write the scratch file " + std::string(name));
}

void ScratchFolder::MakeFolder(std::string_view name) const {
  std::filesystem::create_directory(root_ / std::string(name));
}

void ScratchFolder::SetReadOnly(std::string_view name) const {
  std::filesystem::permissions(root_ / std::string(name), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
}

void ScratchFolder::SetDosBits(std::string_view name, unsigned bits) const {
  char text[16];
  const int length = std::snprintf(text, sizeof text, "0x%x", bits);
  const auto path = root_ / std::string(name);
  // Without user attributes there are no hidden files; Scratch::keeps_attributes says so.
  ::lsetxattr(path.c_str(), kDosAttributeName, text, static_cast<std::size_t>(length), 0);
}

bool ScratchFolder::IsFile(std::string_view name) const {
  return std::filesystem::is_regular_file(
      std::filesystem::symlink_status(root_ / std::string(name)));
}

std::string ScratchFolder::Read(std::string_view name) const {
  std::ifstream file(root_ / std::string(name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<std::string> ScratchFolder::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(root_)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

unsigned ScratchFolder::DosBits(std::string_view name) const {
  char text[64] = {};
  const auto path = root_ / std::string(name);
  const ssize_t length = ::lgetxattr(path.c_str(), kDosAttributeName, text, sizeof text - 1);
  if (length <= 0) return 0;
  return static_cast<unsigned>(std::strtoul(text, nullptr, 16));
}

Scratch MakeScratch(const std::optional<std::filesystem::path>& parent) {
  const std::filesystem::path folder = parent ? *parent : MakeOwnParent();
  std::filesystem::create_directories(folder);
  return {ScratchFolder(folder / "read"), ScratchFolder(folder / "commit"),
          KeepsUserAttributes(folder)};
}

}  // namespace fuzz
