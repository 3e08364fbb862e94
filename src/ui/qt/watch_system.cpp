#include "ui/qt/watch_system.h"

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <cerrno>
#include <memory>

#include "app/mounted_volumes.h"
#include "device/descriptor_posix.h"
#include "device/mount_departures.h"
#include "device/mount_table.h"
#include "device/root_search.h"
#include "ui/qt/text.h"

namespace ui::qt {
namespace {

constexpr int kNotifyTimeoutMs = 2000;  // a notification service that hangs does not stop a watch

sigset_t StopSignals() {
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, SIGINT);
  sigaddset(&stop, SIGTERM);
  sigaddset(&stop, SIGHUP);
  return stop;
}

// The stop signals are blocked and read from a descriptor, so that a signal that arrives while a
// recorder is written waits until the write is done, and one that arrives while the watch sleeps
// wakes it like a change of the mount table.
int BlockAndOpenStopSignals() {
  const sigset_t stop = StopSignals();
  ::pthread_sigmask(SIG_BLOCK, &stop, nullptr);
  const int fd = ::signalfd(-1, &stop, SFD_CLOEXEC);
  // Without the descriptor the signals end the program as they always do.
  if (fd < 0) ::pthread_sigmask(SIG_UNBLOCK, &stop, nullptr);
  return fd;
}

class LinuxWatchSystem : public cli::WatchSystem {
 public:
  LinuxWatchSystem()
      // Before any thread is started (the D-Bus connection runs one), so that every thread
      // inherits the blocked stop signals.
      : signals_(BlockAndOpenStopSignals()),
        mount_table_(device::OpenMountTableChanges()),
        departures_(app::MountedFatMounts) {}

  bool WaitForChange() override {
    pollfd fds[2] = {{signals_.get(), POLLIN, 0}, {mount_table_.get(), POLLPRI, 0}};
    const int watched = mount_table_.valid() ? 2 : 1;
    const int timeout = mount_table_.valid() ? -1 : device::kDriveLookIntervalMs;
    int ready;
    do {
      ready = ::poll(fds, watched, timeout);
    } while (ready < 0 && errno == EINTR);
    if (ready < 0) return false;
    return (fds[0].revents & POLLIN) == 0;
  }

  void Notify(std::string_view title, std::string_view text) override {
    if (!application_) {
      static int argc = 1;
      static char name[] = "datetime-cfg-creator";
      static char* argv[] = {name, nullptr};
      application_ = std::make_unique<QCoreApplication>(argc, argv);
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.Notifications",
                                                       "/org/freedesktop/Notifications",
                                                       "org.freedesktop.Notifications", "Notify");
    call << QString("datetime-cfg-creator") << 0u << QString("datetime-cfg-creator")
         << ToQString(title) << ToQString(text) << QStringList() << QVariantMap() << -1;
    // No service, or one that fails, only means no notification: the line on stdout stays.
    bus.call(call, QDBus::Block, kNotifyTimeoutMs);
  }

  void WatchDepartures(const std::vector<std::string>& mounts) override {
    departures_.Watch(mounts);
  }
  std::vector<std::string> Departed() override { return departures_.Departed(); }

 private:
  device::Descriptor signals_;
  device::Descriptor mount_table_;
  device::MountDepartures departures_;  // after the signals are blocked: it starts a thread
  std::unique_ptr<QCoreApplication> application_;
};

}  // namespace

std::unique_ptr<cli::WatchSystem> MakeWatchSystem() {
  return std::make_unique<LinuxWatchSystem>();
}

}  // namespace ui::qt
