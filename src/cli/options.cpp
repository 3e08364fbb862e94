#include "cli/options.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "cli/option_table.h"
#include "cli/output_text.h"
#include "language/language.h"

namespace cli {
namespace {

using Parsed = std::variant<CommandLine, std::string>;
using language::Fill;
using language::Translate;

// The one option that the window takes as well.
constexpr std::string_view kNoHistory = "--no-history";

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
  if (Tidy(request.name).empty() || Tidy(request.choice).empty()) return std::nullopt;
  return request;
}

// Reads the NAME=CHOICE of `option` at arguments[i], given after "=" or as the next argument,
// into `command_line`; or says why it is wrong.
std::optional<std::string> TakeSet(const OptionSpec& option,
                                   const std::vector<std::string>& arguments, std::size_t& i,
                                   CommandLine& command_line) {
  const std::string& argument = arguments[i];
  std::string_view text;
  if (argument != option.name) {
    text = std::string_view(argument).substr(option.name.size() + 1);
  } else if (i + 1 < arguments.size()) {
    text = arguments[++i];
  } else {
    return Fill(Translate("{1} wants {2}"), {option.name, option.argument});
  }
  const std::optional<SetRequest> request = ParseSet(text);
  if (!request) {
    // Translators: "--set wants NAME=CHOICE, not "VOS Level"".
    return Fill(Translate("{1} wants {2}, not \"{3}\""), {option.name, option.argument, text});
  }
  command_line.sets.push_back(*request);
  return std::nullopt;
}

// Reads the FILE of `option` at arguments[i], given after "=" or as the next argument, into
// `command_line`; or says why it is wrong.
std::optional<std::string> TakeValue(const OptionSpec& option,
                                     const std::vector<std::string>& arguments, std::size_t& i,
                                     CommandLine& command_line) {
  const std::string& argument = arguments[i];
  std::string& value = command_line.*option.value;
  if (!value.empty()) return Fill(Translate("give {1} once"), {option.name});
  if (argument != option.name) {
    value = argument.substr(option.name.size() + 1);
  } else if (i + 1 < arguments.size()) {
    value = arguments[++i];
  }
  if (value.empty()) return Fill(Translate("{1} wants {2}"), {option.name, option.argument});
  return std::nullopt;
}

// The first option in `given`, in the order of the table, that `action` does not take.
std::optional<std::string> OptionOutOfMode(CommandLine::Action action,
                                           const std::vector<const OptionSpec*>& given) {
  for (const OptionSpec& option : Options()) {
    const bool checked = option.role == OptionRole::kRepeatable ||
                         option.role == OptionRole::kValue || option.role == OptionRole::kFlag ||
                         option.role == OptionRole::kHelpOnlyFlag;
    if (checked && (option.modes & ModeBit(action)) == 0 &&
        std::ranges::find(given, &option) != given.end())
      return Fill(Translate("{1} goes with {2}"),
                  {option.name, JoinedModeNames(option.modes, Translate("{1} or {2}"))});
  }
  return std::nullopt;
}

// Why the roots do not fit the mode: --watch takes none, --history one at most, --undo one.
std::optional<std::string> WrongRoots(const CommandLine& command_line) {
  const std::size_t roots = command_line.roots.size();
  switch (command_line.action) {
    case CommandLine::Action::kWatch:
      if (command_line.all || roots > 0)
        return std::string(Translate("--watch takes no device root: it watches every drive"));
      break;
    case CommandLine::Action::kHistory:
      if (command_line.all || roots > 1)
        return std::string(Translate("--history takes one device root at most"));
      break;
    case CommandLine::Action::kUndo:
      if (command_line.all || roots != 1)
        return std::string(Translate("--undo wants one device root"));
      break;
    default:
      break;
  }
  return std::nullopt;
}

}  // namespace

bool IsSlashHelp(std::string_view argument) {
  const OptionSpec* option = FindOption(argument);
  return option != nullptr && argument == option->windows_name;
}

bool HasOptions(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument == kNoHistory) continue;
    if ((argument.size() > 1 && argument[0] == '-') || IsSlashHelp(argument)) return true;
  }
  return false;
}

bool TakeNoHistory(std::vector<std::string>& arguments) {
  return std::erase(arguments, std::string(kNoHistory)) > 0;
}

Parsed ParseCommandLine(const std::vector<std::string>& arguments) {
  using Action = CommandLine::Action;
  CommandLine command_line;
  std::optional<Action> action;
  std::vector<const OptionSpec*> given;
  bool options_ended = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const OptionSpec* option = options_ended ? nullptr : FindOption(argument);
    if (options_ended || (option == nullptr && (argument.size() < 2 || argument[0] != '-'))) {
      command_line.roots.push_back(argument);
      continue;
    }
    if (argument == "--") {
      options_ended = true;
      continue;
    }
    if (option == nullptr) return Fill(Translate("unknown option \"{1}\""), {argument});
    given.push_back(option);
    switch (option->role) {
      case OptionRole::kInfo:
        return CommandLine{option->action, {}, {}, false, false, {}};
      case OptionRole::kMode:
        if (!SetAction(command_line, action, option->action))
          return Fill(Translate("give one of {1}"),
                      {JoinedModeNames(~ModeSet{0}, Translate("{1} and {2}"))});
        break;
      case OptionRole::kFlag:
      case OptionRole::kHelpOnlyFlag:
      case OptionRole::kRootChoice:
        command_line.*option->flag = true;
        break;
      case OptionRole::kRepeatable:
        if (auto wrong = TakeSet(*option, arguments, i, command_line)) return *wrong;
        break;
      case OptionRole::kValue:
        if (auto wrong = TakeValue(*option, arguments, i, command_line)) return *wrong;
        break;
      case OptionRole::kEverywhere:
        // Taken out before the rest is read (TakeLanguageOption).
        break;
    }
  }
  if (!action) {
    return Fill(Translate("give {1} (or --help)"),
                {JoinedModeNames(~ModeSet{0}, Translate("{1} or {2}"))});
  }
  if (auto wrong = OptionOutOfMode(command_line.action, given)) return *wrong;
  if (auto wrong = WrongRoots(command_line)) return *wrong;
  if (command_line.all && !command_line.roots.empty())
    return std::string(Translate("give either --all or device roots"));
  return command_line;
}

bool PrintsJson(const std::vector<std::string>& arguments) {
  if (!HasOptions(arguments)) return false;
  const auto parsed = ParseCommandLine(arguments);
  const auto* command_line = std::get_if<CommandLine>(&parsed);
  return command_line != nullptr && command_line->json;
}

}  // namespace cli
