#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "program_fixture.h"

namespace app {
namespace {

using testing_support::kSomeTimeText;

// Every tested flag "1"; the block holds 4 2 1 0 3 1 5 1 7 2 4 1 8 9.
constexpr std::string_view kLine =
    "60111111111111110"
    "42103151724189"
    "0"
    "FW 6.00 MODEL-6";

std::string Line(std::vector<std::pair<int, char>> changes = {}) {
  std::string bytes(kLine);
  for (const auto& [position, character] : changes) bytes[position - 1] = character;
  return bytes;
}

class Form15WindowTest : public ProgramTest {
 protected:
  void Open(const std::string& line) {
    device.Write("ravlen_setting.ini", line + "\r\n");
    StartUp();
    ASSERT_EQ(WindowName(), "Form15");
  }

  // Start, then the block that went to the clock file.
  std::string StartAndReadBlock() {
    Click("Command1");
    EXPECT_EQ(quits, std::vector<int>{kExitDone});
    const std::string clock_file = device.Read("date_time.cfg");
    return clock_file.substr(kSomeTimeText.size() + 1, 14);
  }

  int Px(int twips) const { return program.window()->Pixels(twips); }
};

TEST_F(Form15WindowTest, StartWithoutAChangeWritesBothFiles) {
  Open(Line() + "TRAILING");
  EXPECT_EQ(Find<QLineEdit>("Text1")->text(), "FW 6.00 MODEL-6");
  EXPECT_EQ(Find<QLineEdit>("Text1")->cursorPosition(), 0);  // its beginning is in view
  EXPECT_EQ(Find<QComboBox>("Combo2")->currentText(), "   0 (Default)");
  EXPECT_FALSE(Find<QComboBox>("Combo2")->isEditable());
  Click("Command1");
  EXPECT_EQ(quits, std::vector<int>{kExitDone});
  EXPECT_EQ(device.Read("date_time.cfg"), std::string(kSomeTimeText) + "E42103151024100\r\n");
  EXPECT_EQ(device.Read("ravlen_setting.bak"),
            "60111111111111110"
            "42103151024100"
            "0"
            "FW 6.00 MODEL-6\r\n");
  EXPECT_EQ(device.DosBits("ravlen_setting.bak"), 0x2u);
  EXPECT_FALSE(device.Exists("ravlen_setting.ini"));
}

TEST_F(Form15WindowTest, ChoosingItemsChangesTheBlockAndAHiddenListWritesZero) {
  Open(Line({{12, '0'}, {27, '2'}}));
  EXPECT_FALSE(Find<QComboBox>("Combo10")->isVisible());
  EXPECT_FALSE(Find<QLabel>("Label14")->isVisible());
  auto* repeat = Find<QComboBox>("Combo6");
  repeat->setCurrentIndex(repeat->findText("  1", Qt::MatchExactly));
  auto* eq = Find<QComboBox>("Combo7");
  eq->setFocus();
  QTest::keyClick(eq, Qt::Key_Down);  // "  Ballad" to "  R & B"
  EXPECT_EQ(StartAndReadBlock(), "42103261004100");
}

TEST_F(Form15WindowTest, RemovedItemThatWasSelectedIsShownAndKeptUnlessChanged) {
  Open(Line({{3, '2'}, {8, '3'}}));  // LP and Folder, both selected, are removed
  auto* mode = Find<QComboBox>("Combo1");
  EXPECT_EQ(mode->currentIndex(), -1);
  EXPECT_EQ(mode->placeholderText(), "  LP");
  EXPECT_EQ(mode->count(), 4);
  auto* repeat = Find<QComboBox>("Combo6");
  repeat->setCurrentIndex(repeat->findText("  All", Qt::MatchExactly));
  EXPECT_EQ(StartAndReadBlock(), "42103351024100");
}

TEST_F(Form15WindowTest, CompactLayoutMovesTheClockAndStartUpAndShrinksTheWindow) {
  Open(Line({{14, '0'}}));
  auto* window = program.window();
  EXPECT_FALSE(Find<QComboBox>("Combo12")->isVisible());
  EXPECT_FALSE(Find<QLabel>("Label13")->isVisible());
  EXPECT_EQ(Find<QGroupBox>("Frame3")->y(), Px(6460));
  EXPECT_EQ(Find<QWidget>("Command1")->y(), Px(7640));
  const int frame = window->frameGeometry().height() - window->geometry().height();
  EXPECT_EQ(window->height(), Px(9300) - frame);
  EXPECT_EQ(StartAndReadBlock()[11], '0');
}

TEST_F(Form15WindowTest, FullLayoutKeepsTheDesignSize) {
  Open(Line());
  EXPECT_EQ(program.window()->size(), QSize(Px(7290), Px(9735)));
  EXPECT_EQ(Find<QGroupBox>("Frame3")->y(), Px(7560));
  EXPECT_EQ(Find<QWidget>("Command1")->y(), Px(8640));
}

TEST_F(Form15WindowTest, CaptionsNameTheirListsAndLowCutTwoRelabelsCentred) {
  Open(Line({{6, '2'}}));
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
  // Screen readers on Linux name a list by the label related to it, elsewhere by its buddy.
  for (const auto& [list, caption] : captions) {
    SCOPED_TRACE(list);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Find<QWidget>(list));
    ASSERT_NE(accessible, nullptr);
    const auto labels = accessible->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->text(QAccessible::Name), caption);
  }
  QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(Find<QWidget>("Frame3"));
  EXPECT_EQ(frame->text(QAccessible::Name), "Date & Time");  // the "&" marks no shortcut
  auto* low_cut = Find<QLabel>("Label8");
  EXPECT_EQ(low_cut->text(), "ALC(Auto Level Contol)");
  EXPECT_TRUE(low_cut->alignment() & Qt::AlignHCenter);
  EXPECT_FALSE(Find<QLabel>("Label7")->alignment() & Qt::AlignHCenter);
}

TEST_F(Form15WindowTest, TabOrderStartsAtStartAndRunsThroughTheLists) {
  Open(Line());
  std::vector<QString> chain;
  for (QWidget* widget = Find<QWidget>("Command1"); widget && chain.size() < 13;
       widget = widget->nextInFocusChain()) {
    if (widget->focusPolicy() & Qt::TabFocus) chain.push_back(widget->objectName());
  }
  EXPECT_EQ(chain, (std::vector<QString>{"Command1", "Combo1", "Combo2", "Combo3", "Combo4",
                                         "Combo5", "Combo6", "Combo7", "Combo8", "Combo10",
                                         "Combo11", "Text1", "Combo12"}));
}

TEST_F(Form15WindowTest, BadFlagShowsTheScreensMessageAndWritesNothing) {
  for (const int position : {10, 9}) {
    SCOPED_TRACE(position);
    testing_support::TempDevice case_device;
    case_device.Write("system_setting.bak", Line({{position, '2'}}) + "\r\n");
    device::FileSystem case_file_system(case_device.root());
    RecordingMessageBox case_messages;
    std::vector<int> case_quits;
    Program case_program(case_file_system, clock, case_messages,
                         [&](int status) { case_quits.push_back(status); });
    case_program.Run([&] { app::StartUp(case_program); });
    EXPECT_EQ(case_messages.texts, std::vector<std::string>{"Ravlen.ini File Error"});
    EXPECT_EQ(case_quits, std::vector<int>{kExitFileError});
    EXPECT_EQ(case_program.window(), nullptr);
    EXPECT_EQ(case_device.Names(), std::vector<std::string>{"system_setting.bak"});
  }
}

}  // namespace
}  // namespace app
