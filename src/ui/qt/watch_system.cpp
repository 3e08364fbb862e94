#include "ui/qt/watch_system.h"

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <iostream>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

#include "app/mounted_volumes.h"
#include "app/program.h"
#include "device/descriptor_posix.h"
#include "device/mount_departures.h"
#include "device/mount_table.h"
#include "device/root_search.h"
#include "ui/qt/text.h"

namespace ui::qt {
namespace {

constexpr int kNotifyTimeoutMs = 2000;  // a notification service that hangs does not stop a watch
// How many notifications wait at most while the bus is slow or stuck; past that the oldest goes.
constexpr std::size_t kMostWaiting = 8;

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

// One notification through the desktop's freedesktop notification service. Connecting to the
// session bus has no time limit (a bus that takes the connection and never answers keeps it
// forever), so this runs on the notifications' own thread only.
void SendNotification(const std::string& title, const std::string& text) {
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

// Sends the notifications on a thread of its own, so that neither connecting to the bus nor a
// call waits on the watch's path: Send only puts a notification in a short queue.
class Notifier {
 public:
  Notifier() : queue_(std::make_shared<Queue>()), thread_([queue = queue_] { Run(*queue); }) {}

  Notifier(const Notifier&) = delete;
  Notifier& operator=(const Notifier&) = delete;

  // A thread that Finish did not see end is left to the end of the program.
  ~Notifier() {
    if (thread_.joinable()) thread_.detach();
  }

  void Send(std::string title, std::string text) {
    {
      const std::lock_guard<std::mutex> lock(queue_->mutex);
      if (queue_->waiting.size() >= kMostWaiting) queue_->waiting.pop_front();
      queue_->waiting.push_back({std::move(title), std::move(text)});
    }
    queue_->changed.notify_all();
  }

  // Gives the thread up to `grace` to send what waits and end. Returns whether it ended, and then
  // has joined it; a thread still inside D-Bus is never waited for longer.
  bool Finish(std::chrono::milliseconds grace) {
    std::unique_lock<std::mutex> lock(queue_->mutex);
    queue_->ending = true;
    queue_->changed.notify_all();
    if (!queue_->changed.wait_for(lock, grace, [this] { return queue_->ended; })) return false;
    lock.unlock();
    thread_.join();
    return true;
  }

 private:
  struct Notification {
    std::string title;
    std::string text;
  };
  // Shared with the thread, which may outlive the notifier when it is stuck.
  struct Queue {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Notification> waiting;
    bool ending = false;
    bool ended = false;
  };

  static void Run(Queue& queue) {
    std::unique_lock<std::mutex> lock(queue.mutex);
    for (;;) {
      queue.changed.wait(lock, [&] { return queue.ending || !queue.waiting.empty(); });
      if (queue.waiting.empty()) break;
      const Notification next = std::move(queue.waiting.front());
      queue.waiting.pop_front();
      lock.unlock();
      SendNotification(next.title, next.text);
      lock.lock();
    }
    queue.ended = true;
    queue.changed.notify_all();
  }

  std::shared_ptr<Queue> queue_;
  std::thread thread_;
};

// Ends the program at once with the watch's status, after what it printed: for a notification
// thread stuck inside D-Bus, which neither a join nor the program's normal end would get past
// (Qt's D-Bus thread is waited for by a static destructor, and it is stuck too).
[[noreturn]] void EndWatchNow() {
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  ::_exit(app::kExitDone);
}

class LinuxWatchSystem : public cli::WatchSystem {
 public:
  explicit LinuxWatchSystem(std::chrono::milliseconds notify_grace)
      // Before any thread is started (the notifications' and the D-Bus connection's), so that
      // every thread inherits the blocked stop signals.
      : signals_(BlockAndOpenStopSignals()),
        mount_table_(device::OpenMountTableChanges()),
        departures_(app::MountedFatMounts),
        notify_grace_(notify_grace) {
    // A reader of standard output that went away (`--watch | head -1`) makes writes fail instead
    // of ending the watch.
    ::signal(SIGPIPE, SIG_IGN);
  }

  LinuxWatchSystem(const LinuxWatchSystem&) = delete;
  LinuxWatchSystem& operator=(const LinuxWatchSystem&) = delete;

  // A watch ends with status 0 whatever happened (cli::RunWatch), so a notification thread stuck
  // in D-Bus ends the program here with that status.
  ~LinuxWatchSystem() override {
    if (notifier_ && !notifier_->Finish(notify_grace_)) EndWatchNow();
  }

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
    if (!notifier_) {
      // Made here, where the watch runs, and before the thread that uses it; it outlives it.
      static int argc = 1;
      static char name[] = "datetime-cfg-creator";
      static char* argv[] = {name, nullptr};
      application_ = std::make_unique<QCoreApplication>(argc, argv);
      notifier_ = std::make_unique<Notifier>();
    }
    notifier_->Send(std::string(title), std::string(text));
  }

  void WatchDepartures(const std::vector<std::string>& mounts) override {
    departures_.Watch(mounts);
  }
  std::vector<std::string> Departed() override { return departures_.Departed(); }

 private:
  device::Descriptor signals_;
  device::Descriptor mount_table_;
  device::MountDepartures departures_;  // after the signals are blocked: it starts a thread
  const std::chrono::milliseconds notify_grace_;
  std::unique_ptr<QCoreApplication> application_;
  std::unique_ptr<Notifier> notifier_;  // after the application, so that it goes first
};

}  // namespace

std::unique_ptr<cli::WatchSystem> MakeWatchSystem() {
  return MakeWatchSystemWithGrace(kNotifyGrace);
}

std::unique_ptr<cli::WatchSystem> MakeWatchSystemWithGrace(std::chrono::milliseconds grace) {
  return std::make_unique<LinuxWatchSystem>(grace);
}

}  // namespace ui::qt
