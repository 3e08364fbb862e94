// libFuzzer entry points. Arguments of the form --scratch=FOLDER (which libFuzzer itself ignores)
// put the scratch recorder roots in FOLDER instead of a folder of their own in /dev/shm.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "properties.h"
#include "scratch.h"

namespace {

constexpr std::string_view kScratchFlag = "--scratch=";

std::unique_ptr<fuzz::Scratch> g_scratch;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  std::optional<std::filesystem::path> parent;
  for (int i = 1; i < *argc; ++i) {
    const std::string_view argument = (*argv)[i];
    if (argument.starts_with(kScratchFlag)) parent = argument.substr(kScratchFlag.size());
  }
  g_scratch = std::make_unique<fuzz::Scratch>(fuzz::MakeScratch(parent));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::CheckSettingsFile(*g_scratch, std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
