// Renders every screen of the program, for a set of typical recorders, into PNG files: each window
// is built by the program's own start-up on a temporary device, headless, with a fixed clock.
// With --windows-plan it prints instead, for scripts/screenshots to show the same screens with the
// Windows program, one line per recorder, tab-separated: the PNG's name, the settings line ("-"
// for none), the screen, its client width and height in pixels at 96 DPI, and the point in the
// first window to click before the picture ("-" for none).
//
// With --language ko or ja it renders the model 4 and model 6 screens in that language, into
// files named with the language in front ("ko-form15-model-6.png").
//
// usage: screenshots OUTPUT_FOLDER [--language ko|ja]
//        screenshots --windows-plan

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "app/program.h"
#include "app/start_up.h"
#include "device/clock.h"
#include "device/file_system.h"
#include "language/language.h"
#include "recorders.h"
#include "support/fixed_clock.h"
#include "ui/qt/front_end.h"
#include "ui/qt/screen_window.h"

namespace {

// The screens ask for Gulim, else Arial, else Liberation Sans; the last is required, so that the
// pictures do not depend on the font that the machine's configuration falls back to. The
// desktop's default font, which some controls keep, is fixed too.
constexpr char kFontFamily[] = "Liberation Sans";
constexpr int kFontPoints = 9;
constexpr int kTickWaitMs = 2000;
// Exit status when the font is missing; the test that runs this tool counts it as skipped.
constexpr int kExitNoFont = 77;

// The Qt front end, but a screen that shows a message has failed to load: the message is kept
// and reported.
class KeepingFrontEnd : public ui::qt::FrontEnd {
 public:
  void ShowMessage(std::string_view text) override { message_.assign(text); }
  const std::string& message() const { return message_; }

 private:
  std::string message_;
};

// A recorder's root: a VOICE folder and, when given, the settings file with its first line.
std::optional<QString> MakeDevice(const QTemporaryDir& root, const tools::Recorder& recorder) {
  if (!QDir(root.path()).mkdir(QStringLiteral("VOICE"))) return QStringLiteral("cannot make VOICE");
  if (!recorder.settings_line) return std::nullopt;
  QFile file(root.filePath(QStringLiteral("ravlen_setting.ini")));
  const std::string bytes = *recorder.settings_line + "\r\n";
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size())) {
    return QStringLiteral("cannot write the settings file");
  }
  return std::nullopt;
}

// Runs the events until the live clock has ticked once.
bool WaitForTick(const QLabel& clock_label) {
  QDeadlineTimer deadline(kTickWaitMs);
  QEventLoop loop;
  while (clock_label.text().isEmpty() && !deadline.hasExpired()) {
    loop.processEvents(QEventLoop::WaitForMoreEvents);
  }
  return !clock_label.text().isEmpty();
}

// A recorder's screen, shown through the program's start-up on a temporary device.
class ShownScreen {
 public:
  // Opens the screen, pressing the recorder's button first when it has one. Returns what went
  // wrong, or nothing.
  std::optional<QString> Open(const tools::Recorder& recorder) {
    if (!root_.isValid()) return QStringLiteral("cannot make a temporary folder");
    if (auto failure = MakeDevice(root_, recorder)) return failure;
    file_system_.emplace(std::filesystem::path(root_.path().toStdString()));
    program_.emplace(*file_system_, clock_, front_end_);
    program_->Run([this] { app::StartUp(*program_); });
    if (!recorder.click.empty() && front_end_.OpenWindow() != nullptr) {
      ui::qt::ScreenWindow* first = front_end_.OpenWindow();
      auto* button = qobject_cast<QAbstractButton*>(first->Widget(recorder.click));
      if (button == nullptr) return QStringLiteral("no button ") + recorder.click.c_str();
      click_point_ = button->mapTo(first, button->rect().center());
      button->click();
    }
    if (program_->exit_status()) {
      return QStringLiteral("the program ended: ") + QString::fromStdString(front_end_.message());
    }
    const QString shown = window() ? window()->objectName() : QStringLiteral("none");
    if (shown != QString::fromStdString(recorder.window)) {
      return QStringLiteral("the screen shown is ") + shown;
    }
    return std::nullopt;
  }

  ui::qt::ScreenWindow* window() { return front_end_.OpenWindow(); }
  // Where the button was clicked in the first window, if one was.
  const std::optional<QPoint>& click_point() const { return click_point_; }

 private:
  QTemporaryDir root_;
  std::optional<device::FileSystem> file_system_;
  support::FixedClock clock_;  // every clock label shows 2026:12:07:09:05:03
  KeepingFrontEnd front_end_;
  std::optional<app::Program> program_;
  std::optional<QPoint> click_point_;
};

// Shows the recorder's screen and saves a picture of it. Returns what went wrong, or nothing.
std::optional<QString> Render(const tools::Recorder& recorder, const QDir& output) {
  ShownScreen screen;
  if (auto failure = screen.Open(recorder)) return failure;
  ui::qt::ScreenWindow* window = screen.window();
  auto* clock_label = qobject_cast<QLabel*>(window->Widget("Label1"));
  if (clock_label == nullptr || !WaitForTick(*clock_label)) {
    return QStringLiteral("the live clock did not tick");
  }
  if (clock_label->text().toStdString() != device::FormatLiveClock(support::kSomeTime)) {
    return QStringLiteral("the clock shows ") + clock_label->text();
  }
  const QPixmap picture = window->grab();
  const QString path = output.filePath(QString::fromStdString(recorder.file_name));
  if (!picture.save(path, "PNG")) return QStringLiteral("cannot write ") + path;
  std::cout << path.toStdString() << " (" << picture.width() << " x " << picture.height() << ", "
            << QFontInfo(clock_label->font()).family().toStdString() << ")" << std::endl;
  return std::nullopt;
}

// Prints the recorder's line of the Windows plan. Returns what went wrong, or nothing.
std::optional<QString> Describe(const tools::Recorder& recorder) {
  ShownScreen screen;
  if (auto failure = screen.Open(recorder)) return failure;
  const QSize client = screen.window()->size();
  std::cout << recorder.file_name << '\t' << recorder.settings_line.value_or("-") << '\t'
            << recorder.window << '\t' << client.width() << '\t' << client.height() << '\t';
  if (const auto& point = screen.click_point()) {
    std::cout << point->x() << ',' << point->y();
  } else {
    std::cout << '-';
  }
  std::cout << std::endl;
  return std::nullopt;
}

// Headless, at 96 DPI and scale 1, on a screen large enough for every window (Qt's headless
// screen is 800 x 800 pixels, and a window wider or taller than its screen is scaled down), in
// the same style and palette wherever it runs. The screen's description stays in `screen_file`
// until the application has read it.
void FixEnvironment(QTemporaryFile& screen_file) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (screen_file.open()) {
    screen_file.write(R"({"screens": [{"name": "large", "x": 0, "y": 0, "width": 1920,
                        "height": 1200, "logicalDpi": 96}]})");
    screen_file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen_file.fileName().toLocal8Bit());
  }
  for (const char* name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI",
                           "QT_ENABLE_HIGHDPI_SCALING", "QT_STYLE_OVERRIDE"}) {
    qunsetenv(name);
  }
}

}  // namespace

// The screens shown in another language: the two whose lists and labels are most of the texts.
bool ShownInEveryLanguage(const tools::Recorder& recorder) {
  return recorder.file_name == "form12-model-4.png" || recorder.file_name == "form15-model-6.png";
}

int main(int argc, char* argv[]) {
  std::optional<language::Language> translated;
  if (argc == 4 && std::string_view(argv[2]) == "--language") {
    translated = language::LanguageFromCode(argv[3]);
    if (translated == language::Language::kEnglish) translated.reset();
  }
  if (argc != 2 && !translated) {
    std::cerr << "usage: " << argv[0] << " OUTPUT_FOLDER [--language ko|ja] | --windows-plan"
              << std::endl;
    return 64;
  }
  if (translated) language::UseLanguage(*translated);
  const bool plan = std::string_view(argv[1]) == "--windows-plan";
  QTemporaryFile screen_file;
  FixEnvironment(screen_file);
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setStyle(QStringLiteral("Fusion"));
  if (!QFontDatabase::hasFamily(QString::fromLatin1(kFontFamily))) {
    std::cerr << "The font \"" << kFontFamily << "\" is not installed (fonts-liberation)."
              << std::endl;
    return kExitNoFont;
  }
  QApplication::setFont(QFont(QString::fromLatin1(kFontFamily), kFontPoints));

  const QDir output(QString::fromLocal8Bit(plan ? "." : argv[1]));
  if (!plan && !output.mkpath(QStringLiteral("."))) {
    std::cerr << "Cannot make the folder " << argv[1] << std::endl;
    return 1;
  }
  int failures = 0;
  for (tools::Recorder recorder : tools::TypicalRecorders()) {
    if (translated) {
      if (!ShownInEveryLanguage(recorder)) continue;
      recorder.file_name =
          std::string(language::LanguageCode(*translated)) + "-" + recorder.file_name;
    }
    if (const auto failure = plan ? Describe(recorder) : Render(recorder, output)) {
      std::cerr << recorder.file_name << ": " << failure->toStdString() << std::endl;
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
