// Every screen in each of the recorders' languages (English too, as the measure's baseline): every
// control shows its catalogue's text, and no text is cut off: each fits its control on one line,
// and a label grown to hold its text covers no other control.

#include <string>
#include <tuple>
#include <vector>

#include "every_screen.h"
#include "language/language.h"
#include "program_fixture.h"
#include "screens/screen_texts.h"

namespace app {
namespace {

using language::Language;
using testing_support::PixelRect;

bool Overlap(const PixelRect& a, const PixelRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

// Whether `shown` is what the catalogue gives for one of the texts the window's tables hold for
// `control` (its caption, a list's items, a caption a settings line gives it).
bool IsCatalogueText(std::string_view window, std::string_view control, const std::string& shown) {
  if (screens::ReadsAlikeInEveryLanguage(shown)) return true;
  static const std::vector<screens::ScreenText> every_text = screens::EveryScreenText();
  for (const screens::ScreenText& text : every_text) {
    if (text.window == window && text.control == control &&
        screens::TranslatedScreenText(text) == shown) {
      return true;
    }
  }
  return false;
}

// Where a label's text stands: from its left edge, or around its middle when centred, one line.
PixelRect TextExtent(testing_support::WindowDriver& screen, std::string_view label) {
  const PixelRect place = screen.Geometry(label);
  const int width = screen.TextWidth(label);
  const int left = screen.Centred(label) ? place.left + (place.width - width) / 2 : place.left;
  return {left, place.top, width, std::min(place.height, screen.LineHeight(label))};
}

class LanguageWindowTest : public ProgramTest,
                           public testing::WithParamInterface<std::tuple<Language, ScreenCase>> {
 protected:
  void SetUp() override { language::UseLanguage(std::get<Language>(GetParam())); }
  void TearDown() override { language::UseLanguage(Language::kEnglish); }
};

TEST_P(LanguageWindowTest, ShowsTheCataloguesTextsWhole) {
  const ScreenCase& row = std::get<ScreenCase>(GetParam());
  if (row.line) device.Write("ravlen_setting.ini", *row.line + "\r\n");
  StartUp();
  if (row.setting) screen.Click(screens::kSettingButton);
  const screens::WindowLayout& layout = ShownLayout(row);
  ASSERT_EQ(screen.WindowName(), layout.name);
  EXPECT_EQ(screen.Title(), screens::TranslatedScreenText({layout.name, {}, layout.title}));

  for (const screens::Control& control : layout.controls) {
    using Kind = screens::ControlKind;
    if (control.kind == Kind::kTextBox || !screen.Visible(control.name)) continue;
    const std::string shown = screen.Text(control.name);
    SCOPED_TRACE(testing::Message() << control.name << " \"" << shown << "\"");
    const bool live_clock = control.caption.empty() && control.kind == Kind::kLabel;
    if (!live_clock && !shown.empty() && control.kind != Kind::kDropDownList) {
      EXPECT_TRUE(IsCatalogueText(layout.name, control.name, shown));
    }
    for (const std::string& item : screen.Items(control.name)) {
      EXPECT_TRUE(IsCatalogueText(layout.name, control.name, item)) << item;
    }
    // No text may need more room than its control gives. The English design fills some
    // controls to within a pixel of their margin ("  0 (Default)"), which reads whole, so a
    // text may reach two pixels into the margin.
    constexpr int kMarginPixels = 2;
    if (control.kind == Kind::kDropDownList) {
      EXPECT_LE(screen.WidestItemWidth(control.name),
                screen.TextRoom(control.name) + kMarginPixels);
    } else if (control.kind != Kind::kLabel) {
      EXPECT_LE(screen.TextWidth(control.name), screen.TextRoom(control.name) + kMarginPixels)
          << screen.Geometry(control.name);
    } else {
      // A label grows to hold its text; its text must not reach another control.
      const PixelRect text = TextExtent(screen, control.name);
      for (const screens::Control& other : layout.controls) {
        if (&other == &control || other.container != control.container ||
            other.kind == Kind::kFrame || !screen.Visible(other.name)) {
          continue;
        }
        EXPECT_FALSE(Overlap(text, screen.Geometry(other.name)))
            << text << " reaches " << other.name << " " << screen.Geometry(other.name);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryScreen, LanguageWindowTest,
    testing::Combine(testing::Values(Language::kEnglish, Language::kKorean, Language::kJapanese),
                     testing::ValuesIn(kEveryScreen)),
    [](const auto& info) {
      return std::string(language::LanguageCode(std::get<Language>(info.param))) + "_" +
             std::get<ScreenCase>(info.param).name;
    });

}  // namespace
}  // namespace app
