#include "cli/watch_command.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/utf8_path.h"
#include "support/temp_device.h"

namespace cli {
namespace {

using testing_support::TempDevice;

// Plays a list of steps, each the drives plugged in at that moment. Before moving on it notes
// which drives got a clock file during the step and removes it, so a second write shows.
class ScriptedSystem : public WatchSystem {
 public:
  ScriptedSystem(std::vector<std::string> steps, const std::map<char, const TempDevice*>& drives)
      : steps_(std::move(steps)), drives_(drives) {}

  bool WaitForChange() override {
    for (const auto& [name, drive] : drives_) {
      if (!drive->Exists("date_time.cfg")) continue;
      written_ += name;
      written_ += std::to_string(step_);
      written_ += ' ';
      std::filesystem::remove(drive->Path("date_time.cfg"));
    }
    return ++step_ < steps_.size();
  }
  void Notify(std::string_view, std::string_view text) override {
    notifications_.emplace_back(text);
  }

  std::vector<device::Volume> Volumes() const {
    std::vector<device::Volume> volumes;
    for (char name : steps_[step_]) volumes.push_back({drives_.at(name)->root(), ""});
    return volumes;
  }
  const std::string& written() const { return written_; }
  const std::vector<std::string>& notifications() const { return notifications_; }

 private:
  std::vector<std::string> steps_;
  std::map<char, const TempDevice*> drives_;
  std::size_t step_ = 0;
  std::string written_;
  std::vector<std::string> notifications_;
};

TEST(WatchCommandTest, EachPlugInIsWrittenOnce) {
  TempDevice recorder, other_recorder, failing, stick;
  std::filesystem::create_directory(recorder.Path("VOICE"));
  std::filesystem::create_directory(other_recorder.Path("VOICE"));
  failing.Write("ravlen_setting.ini", "4x\r\n");  // not a digit: a run-time failure
  const std::map<char, const TempDevice*> drives = {
      {'A', &recorder}, {'B', &other_recorder}, {'F', &failing}, {'S', &stick}};
  struct Case {
    const char* what;
    std::vector<std::string> steps;
    std::string written;  // drive and step of each clock file
    int failures;         // lines that are not "done"
  };
  const Case cases[] = {
      {"plugged in before the watch, kept in", {"A", "A", "A"}, "A0 ", 0},
      {"plugged in later", {"", "", "A"}, "A2 ", 0},
      {"unplugged and plugged in again", {"A", "", "A", "A"}, "A0 A2 ", 0},
      {"a second one beside the first", {"A", "AB", "B"}, "A0 B1 ", 0},
      {"a drive that is no recorder", {"S", "S"}, "", 0},
      {"one that fails does not stop the watch", {"F", "FA"}, "A1 ", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedSystem system(c.steps, drives);
    const testing_support::FixedClock clock(testing_support::kSomeTime);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = RunWatch(
        {}, [&system] { return system.Volumes(); }, system, clock);
    const std::string out = testing::internal::GetCapturedStdout();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, app::kExitDone);
    EXPECT_EQ(system.written(), c.written);
    // One line and one notification for each recorder written or failed.
    std::size_t lines = 0, done = 0;
    for (std::size_t at = 0; (at = out.find('\n', at)) != std::string::npos; ++at) ++lines;
    for (std::size_t at = 0; (at = out.find(": done\n", at)) != std::string::npos; ++at) ++done;
    EXPECT_EQ(lines - done, static_cast<std::size_t>(c.failures)) << out;
    EXPECT_EQ(done * 3, c.written.size()) << out;
    EXPECT_EQ(system.notifications().size(), lines);
    EXPECT_TRUE(stick.Names().empty());
  }
}

// The sets apply on every recorder as --start applies them; one the recorder does not offer is
// refused there and changes nothing on it.
TEST(WatchCommandTest, SetsApplyOnEachRecorder) {
  TempDevice recorder;
  std::filesystem::create_directory(recorder.Path("VOICE"));
  ScriptedSystem system({"A"}, {{'A', &recorder}});
  const testing_support::FixedClock clock(testing_support::kSomeTime);
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  RunWatch(
      {{"No Such Setting", "On"}}, [&system] { return system.Volumes(); }, system, clock);
  const std::string out = testing::internal::GetCapturedStdout();
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(system.written(), "");
  EXPECT_NE(out.find(app::Utf8(recorder.root()) + ": "), std::string::npos) << out;
  EXPECT_EQ(out.find(": done"), std::string::npos) << out;
  EXPECT_NE(system.notifications().at(0).find("could not be set"), std::string::npos);
}

// A standard output that fails (its reader gone: `--watch | head -1`) stops the lines, not the
// watch: every recorder is still written and notified, and standard error says so once.
TEST(WatchCommandTest, GoesOnWhenStandardOutputFails) {
  struct FailingOutput : std::streambuf {
    int_type overflow(int_type) override { return traits_type::eof(); }
  } failing;
  TempDevice recorder;
  std::filesystem::create_directory(recorder.Path("VOICE"));
  ScriptedSystem system({"A", "", "A", "", "A"}, {{'A', &recorder}});
  const testing_support::FixedClock clock(testing_support::kSomeTime);
  std::streambuf* const output = std::cout.rdbuf(&failing);
  testing::internal::CaptureStderr();
  RunWatch(
      {}, [&system] { return system.Volumes(); }, system, clock);
  const std::string err = testing::internal::GetCapturedStderr();
  std::cout.rdbuf(output);
  std::cout.clear();
  EXPECT_EQ(system.written(), "A0 A2 A4 ");
  EXPECT_EQ(system.notifications().size(), 3u);
  const std::string closed = "Standard output can no longer be written";
  const std::size_t first = err.find(closed);
  EXPECT_NE(first, std::string::npos) << err;
  EXPECT_EQ(err.find(closed, first + 1), std::string::npos) << err;
}

}  // namespace
}  // namespace cli
