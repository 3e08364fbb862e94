#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include "program_fixture.h"

namespace app {
namespace {

using testing_support::kSomeTimeText;

// A model 4 line: flags "1" after the mode availability code, the version text at 33.
std::string Line(char availability, char mode) {
  return std::string("40") + availability + std::string(14, '1') + mode + std::string(13, '1') +
         "#" + "FW 4.01 TEST-XY" + "TRAILING";
}

std::string Rebuilt(char availability, std::string_view block) {
  return std::string("40") + availability + std::string(14, '1') + std::string(block) + "#" +
         "FW 4.01 TEST-XY";
}

// The names of the `count` focusable controls from `first` on in the tab order.
std::vector<QString> FocusChain(QWidget* window, const char* first, int count) {
  std::vector<QString> names;
  QWidget* widget = window->findChild<QWidget*>(first);
  while (widget && static_cast<int>(names.size()) < count) {
    if (widget->focusPolicy() & Qt::TabFocus) names.push_back(widget->objectName());
    widget = widget->nextInFocusChain();
  }
  return names;
}

class Form12WindowTest : public ProgramTest {
 protected:
  bool Checked(const char* name) const { return Find<QRadioButton>(name)->isChecked(); }
};

TEST_F(Form12WindowTest, StartWithoutAChangeWritesTheLoadedModeToBothFiles) {
  device.Write("ravlen_setting.ini", Line('1', '2') + "\r\nsecond line\r\n");
  StartUp();
  ASSERT_EQ(WindowName(), "Form12");
  EXPECT_EQ(Find<QLineEdit>("Text1")->text(), "FW 4.01 TEST-XY");
  EXPECT_TRUE(Checked("Option3"));
  Click("Command1");
  EXPECT_EQ(quits, std::vector<int>{kExitDone});
  EXPECT_EQ(device.Read("date_time.cfg"), std::string(kSomeTimeText) + "E20000000000000\r\n");
  EXPECT_EQ(device.Read("ravlen_setting.bak"), Rebuilt('1', "20000000000000") + "\r\n");
  EXPECT_EQ(device.DosBits("ravlen_setting.bak"), 0x2u);
  EXPECT_FALSE(device.Exists("ravlen_setting.ini"));
  EXPECT_EQ(device.Names(), (std::vector<std::string>{"date_time.cfg", "ravlen_setting.bak"}));
}

TEST_F(Form12WindowTest, ClickingAnotherModeChangesTheBlock) {
  device.Write("ravlen_setting.bak", Line('4', '4') + "\r\n");
  device.SetDosBits("ravlen_setting.bak", 0x2);
  StartUp();
  EXPECT_FALSE(Find<QRadioButton>("Option5")->isVisible());
  EXPECT_TRUE(Checked("Option5"));
  Click("Option1");
  EXPECT_TRUE(Checked("Option1"));
  EXPECT_FALSE(Checked("Option5"));
  Click("Command1");
  EXPECT_EQ(device.Read("ravlen_setting.bak"), Rebuilt('4', "00000000000000") + "\r\n");
}

TEST_F(Form12WindowTest, HiddenOrDisabledButtonsCannotBeChosen) {
  struct Case {
    char availability;
    const char* button;  // hidden or greyed out by the code
  };
  const Case cases[] = {{'8', "Option2"}, {'8', "Option4"}, {'9', "Option2"},
                        {'3', "Option4"}, {'5', "Option1"}, {'0', "Option1"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(1, c.availability) + " " + c.button);
    testing_support::TempDevice case_device;
    case_device.Write("ravlen_setting.ini", Line(c.availability, '2') + "\r\n");
    device::FileSystem case_file_system(case_device.root());
    RecordingMessageBox case_messages;
    Program case_program(case_file_system, clock, case_messages, [](int) {});
    case_program.Run([&] { app::StartUp(case_program); });
    auto* window = case_program.window();
    ASSERT_NE(window, nullptr);
    auto* button = window->findChild<QRadioButton*>(c.button);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    EXPECT_FALSE(button->isChecked());
    EXPECT_TRUE(window->findChild<QRadioButton*>("Option3")->isChecked());
    QTest::mouseClick(window->findChild<QAbstractButton*>("Command1"), Qt::LeftButton);
    EXPECT_EQ(case_device.Read("date_time.cfg"), std::string(kSomeTimeText) +
                                                     (c.availability == '0' ? "E0" : "E2") +
                                                     std::string(13, '0') + "\r\n");
  }
}

TEST_F(Form12WindowTest, HiddenFrameWritesZero) {
  device.Write("ravlen_setting.ini", Line('0', '3') + "\r\n");
  StartUp();
  EXPECT_FALSE(Find<QGroupBox>("Frame1")->isVisible());
  Click("Command1");
  EXPECT_EQ(device.Read("ravlen_setting.bak"), Rebuilt('0', "00000000000000") + "\r\n");
}

TEST_F(Form12WindowTest, FileErrorShowsTheMessageAndWritesNothing) {
  device.Write("ravlen_setting.ini", Line('1', '7') + "\r\n");
  StartUp();
  EXPECT_EQ(messages.texts, std::vector<std::string>{"Ravlen_setting.ini File Error"});
  EXPECT_EQ(quits, std::vector<int>{kExitFileError});
  EXPECT_EQ(program.window(), nullptr);
  EXPECT_EQ(device.Names(), std::vector<std::string>{"ravlen_setting.ini"});
}

TEST_F(Form12WindowTest, RecordingModeThatIsNoDigitIsATypeMismatch) {
  device.Write("ravlen_setting.ini", Line('1', 'x') + "\r\n");
  StartUp();
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_NE(messages.texts[0].find("position 18"), std::string::npos) << messages.texts[0];
  EXPECT_EQ(quits, std::vector<int>{kExitRuntimeFailure});
  EXPECT_EQ(device.Names(), std::vector<std::string>{"ravlen_setting.ini"});
}

TEST_F(Form12WindowTest, SettingsFileGoneAtStartWritesNothing) {
  device.Write("ravlen_setting.ini", Line('1', '1') + "\r\n");
  StartUp();
  std::filesystem::remove(device.Path("ravlen_setting.ini"));
  Click("Command1");
  EXPECT_EQ(quits, std::vector<int>{kExitRuntimeFailure});
  EXPECT_TRUE(device.Names().empty());
}

TEST_F(Form12WindowTest, ControlsSitAtTheirTwipsGeometry) {
  device.Write("ravlen_setting.ini", Line('1', '1') + "\r\n");
  StartUp();
  auto* window = program.window();
  ASSERT_NE(window, nullptr);
  const double scale = window->logicalDpiY() / 1440.0;
  auto px = [scale](int twips) { return static_cast<int>(std::lround(twips * scale)); };
  EXPECT_EQ(window->size(), QSize(px(4830), px(6060)));
  EXPECT_EQ(Find<QWidget>("Frame1")->geometry(), QRect(px(360), px(960), px(4095), px(2415)));
  EXPECT_EQ(Find<QWidget>("Option5")->geometry(), QRect(px(480), px(1800), px(975), px(375)));
  EXPECT_EQ(Find<QWidget>("Option5")->parentWidget()->objectName(), "Frame1");
  EXPECT_EQ(Find<QWidget>("Label1")->parentWidget()->objectName(), "Frame3");
  EXPECT_EQ(Find<QWidget>("Command1")->geometry(), QRect(px(1080), px(4800), px(2535), px(855)));
  EXPECT_EQ(window->windowTitle(), "date_time.cfg Creator V2.2");
}

TEST_F(Form12WindowTest, TabOrderFollowsTheTabIndexes) {
  device.Write("ravlen_setting.ini", Line('1', '1') + "\r\n");
  StartUp();
  EXPECT_EQ(FocusChain(program.window(), "Command1", 7),
            (std::vector<QString>{"Command1", "Option2", "Option3", "Text1", "Option1", "Option4",
                                  "Option5"}));
}

}  // namespace
}  // namespace app
