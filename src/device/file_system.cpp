#include "device/file_system.h"

#include <utility>

#include "device/errors.h"
#include "language/message.h"

namespace device {

FileSystem::FileSystem(std::filesystem::path root, StepHook hook)
    : root_(std::move(root)), hook_(std::move(hook)) {}

std::filesystem::path FileSystem::Resolve(std::string_view device_path) const {
  std::filesystem::path resolved = root_;
  std::string_view rest = device_path;
  while (!rest.empty()) {
    const auto separator = rest.find_first_of("\\/");
    const auto part = rest.substr(0, separator);
    if (!part.empty()) resolved /= std::filesystem::path(std::string(part));
    if (separator == std::string_view::npos) break;
    rest.remove_prefix(separator + 1);
  }
  return resolved;
}

void FileSystem::Step(std::string_view step, std::string_view device_path) const {
  if (hook_) hook_(step, device_path);
}

std::string FirstLineOf(std::string_view bytes) {
  return std::string(bytes.substr(0, bytes.find('\r')));
}

std::string FirstLineRead(std::string_view bytes, std::string_view device_path) {
  if (bytes.empty()) {
    throw DeviceError("read", std::string(device_path),
                      language::Message(language::ToTranslate("the file is empty")));
  }
  std::string line = FirstLineOf(bytes);
  if (line.size() > kFirstLineReadLimit) line.resize(kFirstLineReadLimit);
  return line;
}

}  // namespace device
