#include "cli/texts.h"

#include <string>

#include "cli/option_table.h"
#include "language/language.h"
#include "screens/program_text.h"

namespace cli {
namespace {

constexpr std::string_view kProgram = "datetime-cfg-creator";

// One usage line: the program's name and what follows it, after "Usage:" on the first line and
// "or:" on the others, each as the language aligns them.
std::string UsageLine(bool first, std::string_view after_program) {
  const std::string command = std::string(kProgram) + " " + std::string(after_program);
  // Translators: the first usage line; {1}, the command, starts in the column of the others'.
  const std::string_view first_line = language::Translate("Usage: {1}");
  // Translators: each further usage line; {1}, the command, starts in the column of the first's.
  const std::string_view other_line = language::Translate("  or:  {1}");
  return language::Fill(first ? first_line : other_line, {command}) + "\n";
}

}  // namespace

std::string UsageText() {
  std::string lines = UsageLine(true, "[DEVICE_ROOT]");
  // One line for each mode and form of its roots.
  for (const OptionSpec& mode : Options()) {
    if (mode.role != OptionRole::kMode) continue;
    std::string line(mode.name);
    for (const OptionSpec& option : Options()) {
      if ((option.modes & ModeBit(mode.action)) == 0) continue;
      if (option.role == OptionRole::kRepeatable)
        line.append(" [").append(option.name).append(" ").append(option.argument).append("]...");
      if (option.role == OptionRole::kFlag) line.append(" [").append(option.name).append("]");
    }
    std::string_view forms = mode.usage_roots;
    for (bool more = true; more;) {
      const std::size_t end = forms.find('\n');
      more = end != std::string_view::npos;
      const std::string_view form = forms.substr(0, end);
      lines += UsageLine(false, form.empty() ? line : line + " " + std::string(form));
      if (more) forms.remove_prefix(end + 1);
    }
  }
  return lines;
}

std::string VersionText() {
  return "datetime-cfg-creator " + std::string(screens::kProgramVersion) +
         "\nCopyright (c) 2026 the " + std::string(screens::kProgramName) +
         " developers\n"
         "License MIT: <https://opensource.org/licenses/MIT>\n";
}

std::string UsageErrorText(std::string_view why) {
  return std::string(kProgram) + ": " + std::string(why) + "\n" + UsageText() +
         std::string(
             language::Translate("Try 'datetime-cfg-creator --help' for more information."));
}

std::string_view WindowUsageText() {
  return language::Translate("usage: datetime-cfg-creator [DEVICE_ROOT]  (--help for the options)");
}

std::string UnsynchronisedClockText(const device::LocalTime& written) {
  return language::Fill(
      // Translators: {1} is the date and time written, as the window's clock shows it.
      language::Translate("The PC's clock is not synchronised with a time server, so the recorder "
                          "was set to the PC's time, {1}. If that time is wrong, correct the PC's "
                          "clock and set the recorder again."),
      {device::FormatLiveClock(written)});
}

}  // namespace cli
