#include "cli/history_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "language/language.h"

namespace cli {

HistoryLines ReadHistoryLines(const std::filesystem::path& file) {
  HistoryLines read;
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    std::error_code error;
    if (std::filesystem::exists(file, error) || error)
      read.problem = error ? error.message() : std::strerror(errno);
    return read;
  }
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) read.lines.push_back(std::move(line));
  }
  if (in.bad())
    read.problem = std::string(language::Translate("the file cannot be read to its end"));
  return read;
}

}  // namespace cli
