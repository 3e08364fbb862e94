#include "cli/report.h"

#include <algorithm>

#include "app/utf8_text.h"
#include "cli/output_text.h"
#include "cli/setting_texts.h"
#include "language/language.h"

namespace cli {
namespace {

using app::Printable;
using app::Utf8FromLatin1;
using language::Translate;

std::string Padded(const std::string& text, std::size_t width) {
  return text + std::string(width > TerminalColumns(text) ? width - TerminalColumns(text) : 0, ' ');
}

std::string JsonArray(const std::vector<std::string>& device_texts) {
  std::string array = "[";
  for (const std::string& text : device_texts) {
    array += (array.size() > 1 ? ", " : "") + JsonString(Utf8FromLatin1(Tidy(text)));
  }
  return array + "]";
}

}  // namespace

std::string ShowText(const ShowReport& report) {
  // The values start one column after the widest label, whichever labels are printed.
  const std::string_view labels[] = {Translate("Root:"), Translate("Model:"), Translate("Version:"),
                                     Translate("PC clock:")};
  std::size_t label_width = 0;
  for (const std::string_view label : labels)
    label_width = std::max(label_width, TerminalColumns(label) + 1);
  const auto line = [label_width](std::string_view label, const std::string& value) {
    return Padded(std::string(label), label_width) + value + "\n";
  };
  std::string text = line(labels[0], Printable(report.root));
  text += line(labels[1],
               (report.model ? std::to_string(*report.model) : std::string(Translate("none"))) +
                   " (" + report.screen + ")");
  if (report.version) text += line(labels[2], Printable(Utf8FromLatin1(*report.version)));
  if (report.pc_clock_synchronised) {
    text +=
        line(labels[3], std::string(*report.pc_clock_synchronised ? Translate("synchronised")
                                                                  : Translate("not synchronised")));
  }
  if (report.settings.empty()) {
    return text +
           std::string(report.model
                           ? Translate("No settings on this screen: --start sets the clock "
                                       "only.")
                           : Translate("No settings file: --start sets the clock only.")) +
           "\n";
  }
  std::vector<std::vector<std::string>> rows = {
      {std::string(Translate("--show", "Setting")), std::string(Translate("--show", "Control")),
       std::string(Translate("--show", "Value")), std::string(Translate("--show", "Choices"))}};
  for (const screens::ShownSetting& setting : report.settings) {
    std::string choices;
    for (const std::string& choice : ShownOfferedChoices(report.screen, setting)) {
      choices += (choices.empty() ? "" : ", ") + Printable(choice);
    }
    rows.push_back({Printable(ShownName(report.screen, setting)), setting.control,
                    setting.current
                        ? Printable(ShownChoice(report.screen, setting.choices[*setting.current]))
                        : "-",
                    choices});
  }
  std::vector<std::size_t> widths(3, 0);
  for (const auto& row : rows) {
    for (std::size_t column = 0; column < widths.size(); ++column) {
      widths[column] = std::max(widths[column], TerminalColumns(row[column]));
    }
  }
  text += "\n";
  for (const auto& row : rows) {
    for (std::size_t column = 0; column < widths.size(); ++column) {
      text += Padded(row[column], widths[column] + 2);
    }
    text += row.back() + "\n";
  }
  return text;
}

std::string ShowJson(const ShowReport& report) {
  std::string json = "{\"root\": " + JsonString(report.root);
  json += ", \"model\": " + (report.model ? std::to_string(*report.model) : "null");
  json += ", \"screen\": " + JsonString(report.screen) + ", \"settings\": [";
  for (std::size_t i = 0; i < report.settings.size(); ++i) {
    const screens::ShownSetting& setting = report.settings[i];
    json += i == 0 ? "{" : ", {";
    json += "\"name\": " + JsonString(Utf8FromLatin1(Tidy(setting.name)));
    json += ", \"control\": " + JsonString(setting.control);
    json += ", \"value\": ";
    json += setting.current
                ? JsonString(Utf8FromLatin1(Tidy(setting.choices[*setting.current].text)))
                : "null";
    json += ", \"choices\": " + JsonArray(setting.OfferedTexts()) + "}";
  }
  json += "], \"version\": ";
  json += report.version ? JsonString(Utf8FromLatin1(*report.version)) : "null";
  if (report.pc_clock_synchronised) {
    json += std::string(", \"pc_clock_synchronised\": ") +
            (*report.pc_clock_synchronised ? "true" : "false");
  }
  return json + "}";
}

std::string FailureJson(std::string_view root, std::string_view message) {
  return "{\"root\": " + JsonString(root) + ", \"error\": " + JsonString(message) + "}";
}

}  // namespace cli
