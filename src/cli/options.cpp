#include "cli/options.h"

#include <string_view>

#include "app/utf8_text.h"

namespace cli {
namespace {

using Parsed = std::variant<CommandLine, std::string>;

bool SetAction(CommandLine& command_line, std::optional<CommandLine::Action>& action,
               CommandLine::Action wanted) {
  if (action && *action != wanted) return false;
  action = wanted;
  command_line.action = wanted;
  return true;
}

std::optional<SetRequest> ParseSet(std::string_view text) {
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  SetRequest request{std::string(text.substr(0, equals)), std::string(text.substr(equals + 1))};
  if (app::Tidy(request.name).empty() || app::Tidy(request.choice).empty()) return std::nullopt;
  return request;
}

}  // namespace

bool IsSlashHelp([[maybe_unused]] std::string_view argument) {
#ifdef _WIN32
  return argument == "/?";
#else
  return false;
#endif
}

bool HasOptions(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if ((argument.size() > 1 && argument[0] == '-') || IsSlashHelp(argument)) return true;
  }
  return false;
}

Parsed ParseCommandLine(const std::vector<std::string>& arguments) {
  using Action = CommandLine::Action;
  CommandLine command_line;
  std::optional<Action> action;
  bool options_ended = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool help = argument == "--help" || argument == "-h" || IsSlashHelp(argument);
    if (options_ended || (!help && (argument.size() < 2 || argument[0] != '-'))) {
      command_line.roots.push_back(argument);
    } else if (argument == "--") {
      options_ended = true;
    } else if (help) {
      return CommandLine{Action::kHelp, {}, false, false, {}};
    } else if (argument == "--version") {
      return CommandLine{Action::kVersion, {}, false, false, {}};
    } else if (argument == "--start" || argument == "--show" || argument == "--watch") {
      const Action wanted = argument == "--start"  ? Action::kStart
                            : argument == "--show" ? Action::kShow
                                                   : Action::kWatch;
      if (!SetAction(command_line, action, wanted))
        return std::string("give one of --start, --show and --watch");
    } else if (argument == "--json") {
      command_line.json = true;
    } else if (argument == "--all") {
      command_line.all = true;
    } else if (argument == "--set" || argument.starts_with("--set=")) {
      std::string_view text;
      if (argument != "--set") {
        text = std::string_view(argument).substr(6);
      } else if (i + 1 < arguments.size()) {
        text = arguments[++i];
      } else {
        return std::string("--set wants NAME=CHOICE");
      }
      const std::optional<SetRequest> request = ParseSet(text);
      if (!request) return "--set wants NAME=CHOICE, not \"" + std::string(text) + "\"";
      command_line.sets.push_back(*request);
    } else {
      return "unknown option \"" + argument + "\"";
    }
  }
  if (!action) return std::string("give --start, --show or --watch (or --help)");
  if (!command_line.sets.empty() && command_line.action == Action::kShow)
    return std::string("--set goes with --start or --watch");
  if (command_line.json && command_line.action != Action::kShow)
    return std::string("--json goes with --show");
  if (command_line.action == Action::kWatch && (command_line.all || !command_line.roots.empty()))
    return std::string("--watch takes no device root: it watches every drive");
  if (command_line.all && !command_line.roots.empty())
    return std::string("give either --all or device roots");
  return command_line;
}

bool PrintsJson(const std::vector<std::string>& arguments) {
  if (!HasOptions(arguments)) return false;
  const auto parsed = ParseCommandLine(arguments);
  const auto* command_line = std::get_if<CommandLine>(&parsed);
  return command_line != nullptr && command_line->json &&
         command_line->action == CommandLine::Action::kShow;
}

}  // namespace cli
