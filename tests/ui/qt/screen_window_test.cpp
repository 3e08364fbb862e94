#include "ui/qt/screen_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <utility>

#include "screens/form15.h"

namespace ui::qt {
namespace {

// Screen readers on Linux name a list by the label related to it, elsewhere by its buddy.
TEST(ScreenWindowTest, CaptionsNameTheirListsForScreenReadersAlsoWhenRelabelled) {
  ScreenWindow window(screens::Form15().window);
  screens::ScreenState relabelled;
  relabelled.controls["Label8"].caption = "ALC(Auto Level Contol)";
  window.Apply(relabelled);
  const std::pair<const char*, const char*> captions[] = {
      {"Combo1", "Mode (Record Quality)"},
      {"Combo2", "VOS Level"},
      {"Combo3", "MIC Sense"},
      {"Combo4", "ALC(Auto Level Contol)"},
      {"Combo5", "Screen Off Timer"},
      {"Combo6", "Repeat"},
      {"Combo7", "EQ(Equalizer)"},
      {"Combo8", "VOS On/Off"},
      {"Combo10", "Language"},
      {"Combo11", "Auto Power Off Timer"},
      {"Combo12", "MIC Internal / External"},
  };
  for (const auto& [list, caption] : captions) {
    SCOPED_TRACE(list);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(window.Widget(list));
    ASSERT_NE(accessible, nullptr);
    const auto labels = accessible->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->text(QAccessible::Name), caption);
  }
  QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window.Widget("Frame3"));
  EXPECT_EQ(frame->text(QAccessible::Name), "Date & Time");  // the "&" marks no shortcut
}

TEST(ScreenWindowTest, ListsTakeNoTypingAndALongVersionTextShowsItsBeginning) {
  ScreenWindow window(screens::Form15().window);
  screens::ScreenState state;
  state.version_text = "FW 6.00 MODEL-6 with a text longer than its box";
  window.Apply(state);
  EXPECT_EQ(qobject_cast<QLineEdit*>(window.Widget("Text1"))->cursorPosition(), 0);
  EXPECT_FALSE(qobject_cast<QComboBox*>(window.Widget("Combo2"))->isEditable());
}

}  // namespace
}  // namespace ui::qt
