#include "ui/qt/watch_system.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <QStringList>
#include <QVariantMap>
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

#include "app/program.h"
#include "cli/linux_watch_wait.h"
#include "ui/qt/text.h"

namespace ui::qt {
namespace {

constexpr int kNotifyTimeoutMs = 2000;  // a notification service that hangs does not stop a watch
// How many notifications wait at most while the bus is slow or stuck; past that the oldest goes.
constexpr std::size_t kMostWaiting = 8;

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
  explicit LinuxWatchSystem(std::chrono::milliseconds notify_grace) : notify_grace_(notify_grace) {}

  LinuxWatchSystem(const LinuxWatchSystem&) = delete;
  LinuxWatchSystem& operator=(const LinuxWatchSystem&) = delete;

  // A watch ends with status 0 whatever happened (cli::RunWatch), so a notification thread stuck
  // in D-Bus ends the program here with that status.
  ~LinuxWatchSystem() override {
    if (notifier_ && !notifier_->Finish(notify_grace_)) EndWatchNow();
  }

  bool WaitForChange() override { return wait_.WaitForChange(); }

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
    wait_.WatchDepartures(mounts);
  }
  std::vector<std::string> Departed() override { return wait_.Departed(); }

 private:
  // First, before any thread is started (the notifications' and the D-Bus connection's), so
  // that every thread inherits the blocked stop signals.
  cli::LinuxWatchWait wait_;
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
