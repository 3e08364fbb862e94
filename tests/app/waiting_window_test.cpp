#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/run_window.h"
#include "app/utf8_path.h"
#include "app/utf8_text.h"
#include "screens/program_text.h"
#include "support/fixed_clock.h"
#include "support/recording_front_end.h"
#include "support/temp_device.h"
#include "support/window_driver.h"

namespace app {
namespace {

// Long enough for the waiting window's look, once a second, to come.
constexpr int kOneLookMs = 1300;

enum class Act { kPlugIn, kCancel, kClose, kEscape, kChooseFolder };

constexpr const char* kFolders[] = {"program", "rec a", "rec b", "blank", "chosen"};

// The program started without a root from an empty temporary folder, which lies on no drive a
// recorder could be, with drives that the test plugs in: two recorders, an empty drive that is no
// recorder, and a folder the user may choose.
struct StartedWithoutRecorder {
  StartedWithoutRecorder() {
    for (const char* folder : kFolders) std::filesystem::create_directory(place.Path(folder));
    std::filesystem::create_directory(place.Path("rec a/VOICE"));
    place.Write("rec b/date_time.cfg", "old\r\n");
  }

  int Run() {
    return RunWindow(front_end, std::nullopt, place.Path("program"), [this] { return plugged; });
  }
  void PlugIn(const std::vector<const char*>& folders) {
    plugged.clear();
    for (const char* folder : folders) plugged.push_back({place.Path(folder), ""});
  }
  // Whether the Start wrote the clock file in `folder`.
  bool Written(const char* folder) const {
    return place.Exists(std::string(folder) + "/date_time.cfg") &&
           place.Read(std::string(folder) + "/date_time.cfg").size() ==
               support::kSomeTimeText.size() + 2;
  }

  support::TempDevice place;
  std::vector<device::Volume> plugged;
  std::unique_ptr<testing_support::WindowDriver> driver = testing_support::MakeWindowDriver();
  testing_support::RecordingFrontEnd front_end{*driver};
};

TEST(WaitingWindowTest, GoesOnToTheRecorderPluggedInOrEndsWritingNothing) {
  struct Case {
    const char* what;
    Act act;
    std::vector<const char*> plugged;
    std::optional<std::size_t> chooser_answer;
    const char* written;            // the folder that gets the Start, or none
    std::size_t offered;            // recorders offered in the chooser
    const char* chosen = "chosen";  // in the folder dialog
    bool yes = false;               // to the question for a folder that is no recorder's
    bool asked = false;
  };
  const Case cases[] = {
      {"one recorder plugged in", Act::kPlugIn, {"blank", "rec a"}, {}, "rec a", 0},
      {"two recorders: the chooser", Act::kPlugIn, {"rec a", "rec b"}, 1, "rec b", 2},
      {"two recorders, chooser cancelled", Act::kPlugIn, {"rec a", "rec b"}, {}, nullptr, 2},
      {"Cancel", Act::kCancel, {}, {}, nullptr, 0},
      {"closed", Act::kClose, {}, {}, nullptr, 0},
      {"Escape", Act::kEscape, {}, {}, nullptr, 0},
      {"a recorder's folder chosen", Act::kChooseFolder, {}, {}, "rec b", 0, "rec b"},
      {"another folder chosen, Yes", Act::kChooseFolder, {}, {}, "chosen", 0, "chosen", true, true},
      {"another folder chosen, No: back to waiting",
       Act::kChooseFolder,
       {},
       {},
       nullptr,
       0,
       "chosen",
       false,
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StartedWithoutRecorder run;
    testing_support::WindowDriver& driver = *run.driver;
    run.front_end.volume_answer = c.chooser_answer;
    run.front_end.folder_answer = run.place.Path(c.chosen);
    run.front_end.answer = c.yes;
    run.front_end.while_running = [&] {
      ASSERT_EQ(driver.WindowName(), "WaitForRecorder");
      EXPECT_EQ(driver.Title(), screens::kWaitTitle);
      EXPECT_EQ(driver.Text("Drives"), screens::kWaitNoDrive);
      switch (c.act) {
        case Act::kPlugIn:
          run.PlugIn(c.plugged);
          driver.ProcessEventsFor(kOneLookMs);
          break;
        case Act::kCancel:
          driver.Click("Cancel");
          break;
        case Act::kClose:
          driver.CloseByUser();
          break;
        case Act::kEscape:
          driver.Press("ChooseFolder", testing_support::Key::kEscape);
          break;
        case Act::kChooseFolder:
          driver.Click("ChooseFolder");
          if (c.written != nullptr) break;
          // Nothing taken: the window waits on, until it is cancelled.
          ASSERT_EQ(driver.WindowName(), "WaitForRecorder");
          driver.Click("Cancel");
          break;
      }
      if (c.written == nullptr) return;
      ASSERT_EQ(driver.WindowName(), "Form1");
      driver.PressStart();
    };
    EXPECT_EQ(run.Run(), kExitDone);
    EXPECT_EQ(run.front_end.quits, std::vector<int>{kExitDone});
    EXPECT_EQ(driver.WindowsOnScreen(), 0);
    EXPECT_EQ(run.front_end.folder_asks, c.act == Act::kChooseFolder ? 1 : 0);
    EXPECT_EQ(run.front_end.questions,
              c.asked ? std::vector<std::string>{std::string(screens::kNotARecorderQuestion)}
                      : std::vector<std::string>{});
    std::vector<std::size_t> offered;
    for (const auto& volumes : run.front_end.offered) offered.push_back(volumes.size());
    EXPECT_EQ(offered,
              c.offered == 0 ? std::vector<std::size_t>{} : std::vector<std::size_t>{c.offered});
    for (const char* folder : kFolders) {
      EXPECT_EQ(run.Written(folder), c.written != nullptr && std::string(c.written) == folder)
          << folder;
    }
    EXPECT_EQ(run.place.Read("rec b/date_time.cfg") == "old\r\n",
              c.written == nullptr || std::string(c.written) != "rec b");
  }
}

// Drives that hold no recorder are listed as they come and go, their labels in any script as the
// system gives them; the window waits on.
TEST(WaitingWindowTest, ListsTheDrivesPluggedInUntilOneHoldsARecorder) {
  StartedWithoutRecorder run;
  testing_support::WindowDriver& driver = *run.driver;
  const std::string label = "ÐÐ°Ð¿Ð¸ÑÑ é²é³ FÃ¼r";
  run.front_end.while_running = [&] {
    run.plugged = {{run.place.Path("blank"), "EMPTY"}, {run.place.Path("chosen"), label}};
    driver.ProcessEventsFor(kOneLookMs);
    ASSERT_EQ(driver.WindowName(), "WaitForRecorder");
    EXPECT_EQ(driver.Text("Drives"), Utf8(run.place.Path("blank")) + " (EMPTY)\n" +
                                         Utf8(run.place.Path("chosen")) + " (" + label + ")");
    run.plugged.clear();
    driver.ProcessEventsFor(kOneLookMs);
    EXPECT_EQ(driver.Text("Drives"), screens::kWaitNoDrive);
    run.PlugIn({"rec a"});
    driver.ProcessEventsFor(kOneLookMs);
    ASSERT_EQ(driver.WindowName(), "Form1");
    driver.PressStart();
  };
  EXPECT_EQ(run.Run(), kExitDone);
  EXPECT_TRUE(run.Written("rec a"));
  EXPECT_TRUE(std::filesystem::is_empty(run.place.Path("program")));
  EXPECT_TRUE(std::filesystem::is_empty(run.place.Path("blank")));
}

}  // namespace
}  // namespace app
