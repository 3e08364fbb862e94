#include "cli/report.h"

#include <algorithm>

#include "app/utf8_text.h"
#include "cli/output_text.h"

namespace cli {
namespace {

using app::Printable;
using app::Utf8FromLatin1;

std::string Padded(const std::string& text, std::size_t width) {
  return text + std::string(width > TerminalColumns(text) ? width - TerminalColumns(text) : 0, ' ');
}

std::string ShownText(std::string_view device_bytes) {
  return Printable(Utf8FromLatin1(Tidy(device_bytes)));
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
  std::string text = "Root:     " + Printable(report.root) + "\n";
  text += "Model:    " + (report.model ? std::to_string(*report.model) : "none") + " (" +
          report.screen + ")\n";
  if (report.version) text += "Version:  " + Printable(Utf8FromLatin1(*report.version)) + "\n";
  if (report.pc_clock_synchronised) {
    text += std::string("PC clock: ") +
            (*report.pc_clock_synchronised ? "synchronised" : "not synchronised") + "\n";
  }
  if (report.settings.empty()) {
    return text + (report.model ? "No settings on this screen: --start sets the clock only.\n"
                                : "No settings file: --start sets the clock only.\n");
  }
  std::vector<std::vector<std::string>> rows = {{"Setting", "Control", "Value", "Choices"}};
  for (const screens::ShownSetting& setting : report.settings) {
    std::string choices;
    for (const std::string& choice : setting.OfferedTexts()) {
      choices += (choices.empty() ? "" : ", ") + ShownText(choice);
    }
    rows.push_back({ShownText(setting.name), setting.control,
                    setting.current ? ShownText(setting.choices[*setting.current].text) : "-",
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
