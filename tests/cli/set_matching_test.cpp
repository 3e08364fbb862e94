#include "cli/set_matching.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "device/settings_line.h"
#include "language/language.h"
#include "support/settings_line_builder.h"

namespace cli {
namespace {

using screens::ControlKind;

screens::Control Made(std::string_view name, ControlKind kind, std::string_view container,
                      std::string_view caption) {
  return {.name = name, .kind = kind, .container = container, .caption = caption, .font = {}};
}

// A screen whose two settings, and the first setting's two choices, read alike in Korean:
// "Option Setting" and "Options Setting" are both "옵션 설정" there.
screens::ScreenDescription AlikeInKorean() {
  screens::ScreenDescription screen;
  screen.window.name = "Alike";
  screen.window.controls = {
      Made("FrameA", ControlKind::kFrame, "", "Option Setting"),
      Made("OptionA1", ControlKind::kOptionButton, "FrameA", "Option Setting"),
      Made("OptionA2", ControlKind::kOptionButton, "FrameA", "Options Setting"),
      Made("FrameB", ControlKind::kFrame, "", "Options Setting"),
      Made("OptionB1", ControlKind::kOptionButton, "FrameB", "On"),
      Made("OptionB2", ControlKind::kOptionButton, "FrameB", "Off")};
  screen.groups = {{"FrameA", {"OptionA1", "OptionA2"}}, {"FrameB", {"OptionB1", "OptionB2"}}};
  screen.load_steps = {screens::SettingStep{device::kSettingsBlockPosition, "FrameA"},
                       screens::SettingStep{device::kSettingsBlockPosition + 1, "FrameB"}};
  return screens::WithSettingsPlaced(std::move(screen));
}

TEST(SetMatchingTest, ATranslatedTextThatNamesTwoIsRefused) {
  struct Case {
    const char* what;
    SetRequest request;
    std::string block;  // the settings block after it; empty: refused
    const char* said;   // in the refusal
  };
  const Case cases[] = {
      {"an English name, as ever", {"Option Setting", "Options Setting"}, "10", ""},
      {"the control's name with a Korean choice", {"FrameB", "끔"}, "01", ""},
      {"a Korean name two settings show",
       {"옵션 설정", "켬"},
       "",
       "옵션 설정 (FrameA), 옵션 설정 (FrameB)"},
      {"a Korean choice two buttons show",
       {"FrameA", "옵션 설정"},
       "",
       "Option Setting, Options Setting"},
  };
  const screens::ScreenDescription screen = AlikeInKorean();
  const device::SettingsLine line(support::BuildSettingsLine({}));
  // Korean for this test, and English again after it, also after a failed assertion.
  const struct KoreanInUse {
    KoreanInUse() { language::UseLanguage(language::Language::kKorean); }
    ~KoreanInUse() { language::UseLanguage(language::Language::kEnglish); }
  } korean;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    screens::ScreenState state = screens::Load(screen, line);
    const auto refused = ApplySets(&screen, state, {c.request});
    if (c.block.empty()) {
      ASSERT_TRUE(refused.has_value());
      EXPECT_NE(refused->find(c.said), std::string::npos) << *refused;
      EXPECT_EQ(screens::Block(screen, state).substr(0, 2), "00") << "nothing is picked";
    } else {
      EXPECT_FALSE(refused.has_value()) << *refused;
      EXPECT_EQ(screens::Block(screen, state).substr(0, 2), c.block);
    }
  }
}

}  // namespace
}  // namespace cli
