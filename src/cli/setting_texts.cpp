#include "cli/setting_texts.h"

#include "app/utf8_text.h"
#include "cli/output_text.h"
#include "screens/screen_texts.h"

namespace cli {
namespace {

// A translation is UTF-8 already; an untranslated text is the screen's own device bytes.
std::string Readable(const screens::ScreenText& text) {
  const auto translated = screens::TranslatedStateText(text);
  return Tidy(translated ? *translated : app::Utf8FromLatin1(text.text));
}

}  // namespace

std::string ShownName(std::string_view window, const screens::ShownSetting& setting) {
  return Readable({window, setting.caption_control, setting.name});
}

std::string ShownChoice(std::string_view window, const screens::SettingChoice& choice) {
  return Readable({window, choice.control, choice.text});
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
