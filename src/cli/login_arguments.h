#pragma once

#include <string>
#include <vector>

namespace cli {

// A watch's arguments (UTF-8, without the program's name) for a start at every login, which
// begins in another folder: the FILE of each option that takes one (--profile) made absolute.
std::vector<std::string> ArgumentsForLogin(const std::vector<std::string>& arguments);

}  // namespace cli
