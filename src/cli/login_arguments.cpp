#include "cli/login_arguments.h"

#include <filesystem>
#include <system_error>

#include "app/utf8_path.h"
#include "cli/option_table.h"

namespace cli {
namespace {

std::string Absolute(const std::string& file) {
  std::error_code error;
  const std::filesystem::path path = std::filesystem::absolute(app::PathFromUtf8(file), error);
  return error ? file : app::Utf8(path);
}

}  // namespace

std::vector<std::string> ArgumentsForLogin(const std::vector<std::string>& arguments) {
  std::vector<std::string> for_login;
  bool options_ended = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const OptionSpec* option = options_ended ? nullptr : FindOption(argument);
    options_ended = options_ended || argument == "--";
    if (option == nullptr || option->argument.empty()) {
      for_login.push_back(argument);
      continue;
    }
    const bool file = option->role == OptionRole::kValue;
    if (argument == option->name) {
      for_login.push_back(argument);
      if (++i < arguments.size()) for_login.push_back(file ? Absolute(arguments[i]) : arguments[i]);
    } else {
      const std::string value = argument.substr(option->name.size() + 1);
      for_login.push_back(file ? std::string(option->name) + "=" + Absolute(value) : argument);
    }
  }
  return for_login;
}

}  // namespace cli
