#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace screens {

// One text a person reads on a screen: a window's title, a control's caption, a list's item, or
// a caption that a settings line puts on a label.
struct ScreenText {
  std::string_view window;   // "Form15"
  std::string_view control;  // empty for the window's title
  std::string_view text;     // the English text, as the screen is drawn
};

// Every text of every window the program draws, once a window and control, in the order of the
// windows' tables; texts made of nothing but digits, signs and blanks ("+ 1") are left out, since
// they read alike in every language.
std::vector<ScreenText> EveryScreenText();

// Whether a text reads alike in every language: it has no letters ("+ 1", "3").
bool ReadsAlikeInEveryLanguage(std::string_view text);

// How a screen text is looked up in a catalogue: without the blanks that pad it and without the
// program's version that ends a heading ("Options Setting V2.2"); both are put back around its
// translation. The program's name and title are not translated at all (an empty key).
struct CatalogueKey {
  std::string_view before;
  std::string_view key;
  std::string_view after;
};
CatalogueKey CatalogueKeyOf(std::string_view text);

// The text a screen shows for `text` in the language in use: the translation for this window's
// control, else for this window, else for every window; the English text where there is none.
std::string TranslatedScreenText(const ScreenText& text);

// The same for a list item or a caption that a settings line puts on a label: the screen's state
// holds these as the device's bytes (Latin-1), so a front end shows its translation (UTF-8) where
// the language in use has one, else the state's own bytes, exactly as in English.
std::optional<std::string> TranslatedStateText(const ScreenText& text);

}  // namespace screens
