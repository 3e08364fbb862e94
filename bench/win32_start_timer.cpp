// Times Windows programs under Wine from process start to their first window painted, seen from
// outside on the X display: each is started with `wine PROGRAM.exe` in its own folder, and is
// painted once a visible top-level window of its process shows the model 6 screen's Start
// button with its dark caption drawn. The programs run in turn, interleaved, the order turning
// each repetition; the report gives each program's times and median and each median's ratio to
// the last program's, the median time until the window was on screen, and the median of the
// ratios within each repetition. Beside the wall-clock time, the processor time the program's own
// process had taken when its window was painted (user and system, in the kernel's ticks): on a
// machine busy with other work it varies far less than the wall-clock time.
//
// usage: win32_start_timer REPETITIONS PROGRAM.exe... BARE.exe
// DISPLAY, WINEPREFIX and Wine's settings come from the environment (scripts/bench).

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "screens/form15.h"
#include "ui/twips.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kPollInterval = std::chrono::milliseconds(2);
constexpr auto kTimeout = std::chrono::seconds(60);
constexpr int kDark = 80;  // a caption pixel: every channel below this

int Pixels(int twips) {
  return ui::TwipsToPixels(twips, ui::kStandardDpi);
}

// The model 6 screen's client size and Start button, in pixels at 96 DPI.
struct Target {
  int client_width;
  int client_height;
  int left, top, width, height;
};

Target ModelSixTarget() {
  const screens::WindowLayout& layout = screens::Form15().window;
  Target target{Pixels(layout.client_width), Pixels(layout.client_height), 0, 0, 0, 0};
  for (const screens::Control& control : layout.controls) {
    if (control.name != "Command1") continue;
    target.left = Pixels(control.left);
    target.top = Pixels(control.top);
    target.width = Pixels(control.width);
    target.height = Pixels(control.height);
  }
  return target;
}

int IgnoreErrors(Display*, XErrorEvent*) {
  return 0;
}

std::optional<unsigned long> WindowPid(Display* display, Window window, Atom pid_atom) {
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, pid_atom, 0, 1, False, XA_CARDINAL, &type, &format,
                         &count, &after, &data) != Success ||
      data == nullptr) {
    return std::nullopt;
  }
  std::optional<unsigned long> pid;
  if (count == 1 && format == 32) pid = *reinterpret_cast<unsigned long*>(data);
  XFree(data);
  return pid;
}

enum class Seen { kNothing, kWindow, kPainted };

// Whether a visible top-level window of `pid` is there, and shows the Start button's caption.
Seen Look(Display* display, Atom pid_atom, pid_t pid, const Target& target) {
  Window root, parent, *children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
    return Seen::kNothing;
  }
  bool painted = false;
  bool mapped = false;
  for (unsigned int i = 0; i < count && !painted; ++i) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, children[i], &attributes) ||
        attributes.map_state != IsViewable || attributes.width < target.client_width) {
      continue;
    }
    if (WindowPid(display, children[i], pid_atom) != static_cast<unsigned long>(pid)) continue;
    mapped = true;
    // Wine draws the caption and borders of an unmanaged window inside it.
    const int border = (attributes.width - target.client_width) / 2;
    const int top = attributes.height - target.client_height - border;
    XImage* image = XGetImage(display, children[i], border + target.left, top + target.top,
                              static_cast<unsigned>(target.width),
                              static_cast<unsigned>(target.height), AllPlanes, ZPixmap);
    if (image == nullptr) continue;
    for (int y = 0; y < target.height && !painted; ++y) {
      for (int x = 0; x < target.width && !painted; ++x) {
        const unsigned long pixel = XGetPixel(image, x, y);
        painted = ((pixel >> 16) & 0xff) < kDark && ((pixel >> 8) & 0xff) < kDark &&
                  (pixel & 0xff) < kDark;
      }
    }
    XDestroyImage(image);
  }
  if (children != nullptr) XFree(children);
  return painted ? Seen::kPainted : mapped ? Seen::kWindow : Seen::kNothing;
}

struct Times {
  double mapped;   // ms from the start to the window on screen
  double painted;  // ms from the start to the Start button painted
  double cpu;      // ms of processor time the process had taken then
};

// The processor time a process has taken so far, in ms (user and system, fields 14 and 15 of
// /proc/PID/stat, after the command name in parentheses).
double ProcessorMs(pid_t pid) {
  FILE* file = std::fopen(("/proc/" + std::to_string(pid) + "/stat").c_str(), "r");
  if (file == nullptr) return 0;
  char text[1024] = {};
  const std::size_t length = std::fread(text, 1, sizeof text - 1, file);
  std::fclose(file);
  const char* after_name = std::strrchr(text, ')');
  if (length == 0 || after_name == nullptr) return 0;
  unsigned long user = 0, system = 0;
  if (std::sscanf(after_name + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &user,
                  &system) != 2) {
    return 0;
  }
  return (user + system) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double Since(Clock::time_point started) {
  return std::chrono::duration<double, std::milli>(Clock::now() - started).count();
}

// The times from starting the program to its window on screen and painted, or nothing on a
// timeout.
std::optional<Times> TimeStart(Display* display, Atom pid_atom, const std::string& program,
                               const Target& target) {
  const std::filesystem::path path = std::filesystem::absolute(program);
  const auto started = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(path.parent_path().c_str()) != 0) _exit(127);
    execlp("wine", "wine", path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  std::optional<Times> elapsed;
  std::optional<double> mapped;
  while (Clock::now() - started < kTimeout) {
    const Seen seen = Look(display, pid_atom, pid, target);
    if (seen != Seen::kNothing && !mapped) mapped = Since(started);
    if (seen == Seen::kPainted) {
      elapsed = Times{*mapped, Since(started), ProcessorMs(pid)};
      break;
    }
    std::this_thread::sleep_for(kPollInterval);
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  // Lets Wine tidy the ended process away before the next one starts.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  return elapsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string LoadAverage() {
  char text[64] = {};
  if (FILE* file = std::fopen("/proc/loadavg", "r")) {
    if (std::fgets(text, sizeof text, file) == nullptr) text[0] = '\0';
    std::fclose(file);
  }
  std::string load(text);
  while (!load.empty() && load.back() == '\n') load.pop_back();
  return load;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s REPETITIONS PROGRAM.exe... BARE.exe\n", argv[0]);
    return 64;
  }
  const int repetitions = std::max(1, std::atoi(argv[1]));
  const std::vector<std::string> programs(argv + 2, argv + argc);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "Cannot open the display\n");
    return 1;
  }
  XSetErrorHandler(IgnoreErrors);
  const Atom pid_atom = XInternAtom(display, "_NET_WM_PID", False);
  const Target target = ModelSixTarget();

  std::printf("Load average before: %s\n", LoadAverage().c_str());
  std::vector<std::vector<double>> times(programs.size());
  std::vector<std::vector<double>> mapped(programs.size());
  std::vector<std::vector<double>> cpu(programs.size());
  for (int repetition = 0; repetition < repetitions; ++repetition) {
    for (std::size_t i = 0; i < programs.size(); ++i) {
      // The order turns each repetition, so that no program always follows the same one.
      const std::size_t which = (i + static_cast<std::size_t>(repetition)) % programs.size();
      const auto elapsed = TimeStart(display, pid_atom, programs[which], target);
      if (!elapsed) {
        std::fprintf(stderr, "%s: no painted window within %lld s\n", programs[which].c_str(),
                     static_cast<long long>(kTimeout.count()));
        return 1;
      }
      times[which].push_back(elapsed->painted);
      mapped[which].push_back(elapsed->mapped);
      cpu[which].push_back(elapsed->cpu);
    }
  }
  std::printf("Load average after: %s\n", LoadAverage().c_str());

  const double bare = Median(times.back());
  for (std::size_t i = 0; i < programs.size(); ++i) {
    std::printf("%-28s median %7.1f ms  ratio %.2f  (",
                std::filesystem::path(programs[i]).filename().c_str(), Median(times[i]),
                Median(times[i]) / bare);
    for (std::size_t j = 0; j < times[i].size(); ++j) {
      std::printf("%s%.0f", j ? " " : "", times[i][j]);
    }
    std::printf(" ms; on screen after %.1f ms)\n", Median(mapped[i]));
  }
  for (std::size_t i = 0; i < programs.size(); ++i) {
    std::printf("%-28s processor time median %5.0f ms  ratio %.2f\n",
                std::filesystem::path(programs[i]).filename().c_str(), Median(cpu[i]),
                Median(cpu[i]) / Median(cpu.back()));
  }
  // The ratio within each repetition, whose runs followed each other closely: a burst of other
  // work on the machine falls on both alike.
  for (std::size_t i = 0; i + 1 < programs.size(); ++i) {
    std::vector<double> ratios;
    for (std::size_t j = 0; j < times[i].size(); ++j)
      ratios.push_back(times[i][j] / times.back()[j]);
    std::printf("%-28s median of the ratios within each repetition %.2f\n",
                std::filesystem::path(programs[i]).filename().c_str(), Median(ratios));
  }
  XCloseDisplay(display);
  return 0;
}
