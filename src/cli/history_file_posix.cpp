#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "cli/history_file.h"
#include "device/descriptor_posix.h"
#include "language/language.h"

namespace cli {
namespace {

constexpr std::string_view kFolderName = "datetime-cfg-creator";

// Makes `folder` and the folders missing on the way, each 0700: the history tells where the
// user's recorders were, which is no one else's business.
std::optional<std::string> MakeFolders(const std::filesystem::path& folder) {
  std::filesystem::path made;
  for (const std::filesystem::path& part : folder) {
    made /= part;
    if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST)
      return language::Fill(language::Translate("cannot make {1}: {2}"),
                            {made.string(), std::strerror(errno)});
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::filesystem::path> HistoryPath() {
  std::filesystem::path state;
  const char* xdg = std::getenv("XDG_STATE_HOME");
  const char* home = std::getenv("HOME");
  if (xdg != nullptr && std::filesystem::path(xdg).is_absolute()) {
    state = xdg;
  } else if (home != nullptr && std::filesystem::path(home).is_absolute()) {
    state = std::filesystem::path(home) / ".local" / "state";
  } else {
    return std::nullopt;
  }
  return state / kFolderName / "history.jsonl";
}

std::optional<std::string> AppendHistoryLine(const std::filesystem::path& file,
                                             std::string_view line) {
  if (auto problem = MakeFolders(file.parent_path())) return problem;
  const device::Descriptor out(
      ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (!out.valid()) {
    return language::Fill(language::Translate("cannot open {1}: {2}"),
                          {file.string(), std::strerror(errno)});
  }
  const std::string text = std::string(line) + "\n";
  const ssize_t written = ::write(out.get(), text.data(), text.size());
  if (written < 0) {
    return language::Fill(language::Translate("cannot write {1}: {2}"),
                          {file.string(), std::strerror(errno)});
  }
  if (static_cast<std::size_t>(written) != text.size())
    return language::Fill(
        language::Translate("cannot write {1}: the disk took part of the line only"),
        {file.string()});
  return std::nullopt;
}

}  // namespace cli
