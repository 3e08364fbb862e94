#include "cli/setting_texts.h"

#include "app/utf8_text.h"
#include "cli/output_text.h"

namespace cli {
namespace {

// A translation is UTF-8 already; an untranslated text is the screen's own device bytes.
std::string Readable(std::string_view english, const std::string& translated) {
  return Tidy(translated == english ? app::Utf8FromLatin1(english) : translated);
}

}  // namespace

std::string ShownName(std::string_view window, const screens::ShownSetting& setting) {
  return Readable(setting.name, screens::TranslatedName(window, setting));
}

std::string ShownChoice(std::string_view window, const screens::SettingChoice& choice) {
  return Readable(choice.text, screens::TranslatedChoice(window, choice));
}

std::vector<std::string> ShownOfferedChoices(std::string_view window,
                                             const screens::ShownSetting& setting) {
  std::vector<std::string> texts;
  for (const screens::SettingChoice& choice : setting.choices) {
    if (choice.offered) texts.push_back(ShownChoice(window, choice));
  }
  return texts;
}

}  // namespace cli
