// Prints every text of every screen as gettext template entries, each with the windows and
// controls that show it, for scripts/texts to merge with the texts marked in the sources.
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "screens/screen_texts.h"

namespace {

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (c == '\n') {
      quoted += "\\n";
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

}  // namespace

int main() {
  std::map<std::string_view, std::vector<std::string>> places;
  std::vector<std::string_view> order;
  for (const screens::ScreenText& text : screens::EveryScreenText()) {
    const std::string_view key = screens::CatalogueKeyOf(text.text).key;
    if (key.empty()) continue;
    auto& where = places[key];
    if (where.empty()) order.push_back(key);
    std::string place(text.window);
    if (!text.control.empty()) place += "/" + std::string(text.control);
    where.push_back(place);
  }
  std::cout << "msgid \"\"\nmsgstr \"\"\n"
               "\"Project-Id-Version: datetime-cfg-creator\\n\"\n"
               "\"MIME-Version: 1.0\\n\"\n"
               "\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
               "\"Content-Transfer-Encoding: 8bit\\n\"\n\n";
  for (const std::string_view text : order) {
    std::cout << "#.";
    for (const std::string& place : places[text]) std::cout << ' ' << place;
    std::cout << "\nmsgid " << Quoted(text) << "\nmsgstr \"\"\n\n";
  }
}
