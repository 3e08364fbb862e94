#include "harness.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <ctime>
#include <fstream>

namespace bench {
namespace {

// Notes the first paint of the widget it watches.
class PaintWatch : public QObject {
 public:
  bool painted = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

AppOnDevice::AppOnDevice(const std::filesystem::path& root)
    : file_system_(root), program_(file_system_, clock_, front_end_) {}

std::optional<std::string> AppOnDevice::Fault(std::string_view expected_window) const {
  if (!front_end_.texts.empty()) return "message: " + front_end_.texts.front();
  const QWidget* window = front_end_.OpenWindow();
  if (window == nullptr) return "no window open";
  if (window->objectName().toStdString() != expected_window) {
    return "window " + window->objectName().toStdString() + " open";
  }
  return std::nullopt;
}

std::optional<std::string> AppOnDevice::EndFault() const {
  if (!front_end_.texts.empty()) return "message: " + front_end_.texts.front();
  if (program_.exit_status() != app::kExitDone) return "the program did not end after Start";
  return std::nullopt;
}

void PrepareDevice(const std::filesystem::path& root, std::string_view line) {
  for (const auto& entry : std::filesystem::directory_iterator(root)) {
    std::filesystem::remove_all(entry.path());
  }
  std::filesystem::create_directory(root / "VOICE");
  if (!line.empty()) std::ofstream(root / "ravlen_setting.ini", std::ios::binary) << line << "\r\n";
  const int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::syncfs(fd);
    ::close(fd);
  }
}

bool WaitUntilPainted(QWidget& window) {
  PaintWatch watch;
  window.installEventFilter(&watch);
  for (int round = 0; round < 100 && !watch.painted; ++round) {
    QCoreApplication::processEvents();
  }
  window.removeEventFilter(&watch);
  return watch.painted;
}

void FlushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool NoWindowsLeft() {
  return QApplication::topLevelWidgets().isEmpty();
}

double ProcessCpuSeconds() {
  timespec now{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

}  // namespace bench
