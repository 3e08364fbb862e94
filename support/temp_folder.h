#pragma once

#include <filesystem>
#include <string_view>

namespace support {

// A fresh folder of its own, named `prefix` and a random part, in `base` (the system's temporary
// folder unless given); removed with all it holds, read-only entries too, when it goes.
class TempFolder {
 public:
  explicit TempFolder(std::string_view prefix = "dtc-",
                      const std::filesystem::path& base = std::filesystem::temp_directory_path());
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& root() const { return root_; }

 private:
  std::filesystem::path root_;
};

}  // namespace support
