#include "commit_faults.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "device/errors.h"
#include "device/file_system.h"
#include "device/temporary_name.h"
#include "device/write_back.h"
#include "report.h"
#include "support/device_folder.h"
#include "support/dos_attributes.h"
#include "support/fixed_clock.h"

namespace fuzz {
namespace {

constexpr std::string_view kClockPath = "\\date_time.cfg";
constexpr std::string_view kIniPath = "\\ravlen_setting.ini";
constexpr std::string_view kBakPath = "\\ravlen_setting.bak";
constexpr std::string_view kSystemBakPath = "\\system_setting.bak";
constexpr std::string_view kSettingsPaths[] = {kIniPath, kBakPath, "\\system_setting.ini",
                                               kSystemBakPath};
constexpr std::string_view kStaleBackup = "4 stale backup\r\n";
constexpr std::string_view kOldClockLine = "1999 01 01 00 00 00\r\n";
constexpr std::string_view kLeftover = "left by an earlier run\r\n";
using support::kHiddenBit;

// "\name" → "name", as the scratch folder takes it.
std::string NameOf(std::string_view device_path) {
  if (!device_path.empty() && device_path.front() == '\\') device_path.remove_prefix(1);
  return std::string(device_path);
}

// Where the file system keeps no user attributes there are no hidden files, and the layout goes
// on without them; Scratch::keeps_attributes says so.
void Hide(const support::DeviceFolder& folder, std::string_view name) {
  try {
    folder.SetDosBits(name, kHiddenBit);
  } catch (const std::runtime_error&) {
  }
}

// A file's bytes; none where no file has that name (gone, or a folder now).
std::optional<std::string> FileBytes(const support::DeviceFolder& folder, std::string_view name) {
  if (!folder.IsFile(name)) return std::nullopt;
  return folder.Read(name);
}

// The recorder's root before Start.
enum class Layout {
  kIni,                  // only "\ravlen_setting.ini"
  kIniBesideOldFiles,    // and a hidden read-only .bak and an old clock file
  kHiddenSystemBak,      // only a hidden "\system_setting.bak", written back in place
  kHiddenReadOnlyIni,    // the .ini hidden and read-only
  kTemporaryNamesTaken,  // an earlier run's temporary file, and a folder with a temporary name
  kReadOnlyClockFile,    // Start fails before it writes anything
  kClockFileFolder,      // Start fails before it writes anything
  kBakFolder,            // the clock file is written, then the write-back fails
};
constexpr unsigned kLayoutCount = 8;

// What the step hook does at its chosen call.
enum class Action {
  kNone,
  kThrow,     // the step fails with a DeviceError
  kSabotage,  // the device changes under the step, so that the system call itself fails
};

struct Plan {
  Layout layout = Layout::kIni;
  Action action = Action::kNone;
  int call = 0;  // the hook call, counted from 1, at which the action happens
  int error = 0;
};

constexpr int kErrors[] = {EIO, ENOSPC, EROFS, EACCES};

// Recorders write digits at positions 17 and 32, and no screen examines them, so a digit at 17
// (or a line that ends before it) keeps the Start free of faults, as it was before the device
// could fail. A byte from '@' to 'Z' or from '`' to 'z' at 17 picks the hook call by its low five
// bits ('A' and 'a' are the first call, '@' and '`' none); upper case throws, lower case breaks
// the device. Position 32 picks the error thrown (its low two bits) and the layout (the next
// three).
Plan PlanFor(const device::SettingsLine& line) {
  Plan plan;
  const std::string_view fault = line.CharacterAt(17);
  if (fault.empty()) return plan;
  const auto byte = static_cast<unsigned char>(fault.front());
  const bool upper = byte >= '@' && byte <= 'Z';
  const bool lower = byte >= '`' && byte <= 'z';
  if (!upper && !lower) return plan;
  plan.call = byte & 0x1f;
  if (plan.call > 0) plan.action = upper ? Action::kThrow : Action::kSabotage;
  const std::string_view choice = line.CharacterAt(32);
  const unsigned bits = choice.empty() ? 0 : static_cast<unsigned char>(choice.front());
  plan.error = kErrors[bits & 3];
  plan.layout = static_cast<Layout>((bits >> 2) % kLayoutCount);
  return plan;
}

std::string_view ReadPath(Layout layout) {
  return layout == Layout::kHiddenSystemBak ? kSystemBakPath : kIniPath;
}

std::string_view BackupPath(Layout layout) {
  return layout == Layout::kHiddenSystemBak ? kSystemBakPath : kBakPath;
}

// A failure that the layout alone causes: the operation and the file that the message names.
struct Expected {
  std::string operation;
  std::string_view path;
};

std::optional<Expected> LayoutFailure(Layout layout) {
  switch (layout) {
    case Layout::kReadOnlyClockFile:
    case Layout::kClockFileFolder:
      return Expected{"write", kClockPath};
    case Layout::kBakFolder:
      return Expected{"write", kBakPath};
    default:
      return std::nullopt;
  }
}

// The files laid out, by name, with their bytes; folders hold no bytes.
struct Laid {
  std::vector<std::pair<std::string, std::optional<std::string>>> entries;
  void File(std::string_view path, std::string_view bytes) {
    entries.emplace_back(NameOf(path), std::string(bytes));
  }
  void Folder(std::string_view path) { entries.emplace_back(NameOf(path), std::nullopt); }
  const std::optional<std::string>* Find(std::string_view name) const {
    for (const auto& [laid, bytes] : entries) {
      if (laid == name) return &bytes;
    }
    return nullptr;
  }
};

Laid LayOut(const support::DeviceFolder& folder, Layout layout, std::string_view bytes) {
  Laid laid;
  const std::string settings = NameOf(ReadPath(layout));
  folder.Empty();
  folder.Write(settings, bytes);
  laid.File(ReadPath(layout), bytes);
  switch (layout) {
    case Layout::kIni:
      break;
    case Layout::kIniBesideOldFiles:
      folder.Write(NameOf(kBakPath), kStaleBackup);
      Hide(folder, NameOf(kBakPath));
      folder.SetReadOnly(NameOf(kBakPath), true);
      laid.File(kBakPath, kStaleBackup);
      folder.Write(NameOf(kClockPath), kOldClockLine);
      laid.File(kClockPath, kOldClockLine);
      break;
    case Layout::kHiddenSystemBak:
      Hide(folder, settings);
      break;
    case Layout::kHiddenReadOnlyIni:
      Hide(folder, settings);
      folder.SetReadOnly(settings, true);
      break;
    case Layout::kTemporaryNamesTaken: {
      const std::string clock_temporary = device::TemporaryNameFor(kClockPath, 0);
      folder.Write(NameOf(clock_temporary), kLeftover);
      laid.File(clock_temporary, kLeftover);
      const std::string backup_temporary = device::TemporaryNameFor(kBakPath, 0);
      folder.MakeFolder(NameOf(backup_temporary));
      laid.Folder(backup_temporary);
      break;
    }
    case Layout::kReadOnlyClockFile:
      folder.Write(NameOf(kClockPath), kOldClockLine);
      folder.SetReadOnly(NameOf(kClockPath), true);
      laid.File(kClockPath, kOldClockLine);
      break;
    case Layout::kClockFileFolder:
      folder.MakeFolder(NameOf(kClockPath));
      laid.Folder(kClockPath);
      break;
    case Layout::kBakFolder:
      folder.MakeFolder(NameOf(kBakPath));
      laid.Folder(kBakPath);
      break;
  }
  return laid;
}

// Counts the steps and acts at the planned one.
class Saboteur {
 public:
  Saboteur(const Plan& plan, const support::DeviceFolder& folder) : plan_(plan), folder_(folder) {}

  void operator()(std::string_view step, std::string_view path) {
    if (path.find(".tmp") != std::string_view::npos) temporary_ = path;
    if (!path.starts_with(kClockPath)) past_clock_ = true;
    if (++calls_ != plan_.call) return;
    reached_ = std::string(step) + " " + std::string(path);
    if (plan_.action == Action::kThrow) {
      const device::DeviceError error(OperationOf(step), std::string(TargetOf(path)),
                                      std::strerror(plan_.error));
      thrown_ = error.what();
      throw error;
    }
    if (plan_.action == Action::kSabotage) Break(step, path);
  }

  // The message of the failure thrown, if the hook threw.
  const std::optional<std::string>& thrown() const { return thrown_; }
  // The failure that the broken device must cause.
  const std::optional<Expected>& caused() const { return caused_; }
  // Whether the clock file was done when the device failed.
  bool past_clock() const { return past_clock_; }
  const std::string& reached() const { return reached_; }
  const Laid& made() const { return made_; }

 private:
  void Break(std::string_view step, std::string_view path) {
    const bool temporary = path.find(".tmp") != std::string_view::npos;
    if (step == "create") {
      // The temporary name is taken: the program must take the next one.
      const std::string taken = device::TemporaryNameFor(path, 0);
      std::error_code ignored;
      if (std::filesystem::exists(
              std::filesystem::symlink_status(folder_.root() / NameOf(taken), ignored))) {
        return;
      }
      folder_.MakeFolder(NameOf(taken));
      made_.Folder(taken);
    } else if (temporary || step == "rename") {
      // The temporary file vanishes before it is renamed into place.
      const std::string victim = temporary ? std::string(path) : temporary_;
      if (victim.empty()) return;
      std::filesystem::remove(folder_.root() / NameOf(victim));
      caused_ = Expected{"write", TargetOf(victim)};
    } else if (step == "set attributes" && path == kBakPath && folder_.IsFile(NameOf(kIniPath))) {
      // The .bak vanishes while the .ini still holds the line.
      std::filesystem::remove(folder_.root() / NameOf(path));
      caused_ = Expected{"change the attributes of", kBakPath};
    } else if ((step == "delete" || step == "set attributes") && path == kIniPath) {
      // The .ini becomes a folder just before it is deleted: the deletion must fail.
      std::filesystem::remove(folder_.root() / NameOf(path));
      folder_.MakeFolder(NameOf(path));
      made_.Folder(path);
      caused_ = Expected{"delete", kIniPath};
    }
  }

  // Worded as the program words the failures of its system calls.
  static std::string OperationOf(std::string_view step) {
    if (step == "set attributes") return "change the attributes of";
    if (step == "flush folder") return "flush the folder of";
    return std::string(step);
  }

  static std::string_view TargetOf(std::string_view temporary) {
    for (const std::string_view path : {kClockPath, kIniPath, kBakPath, kSystemBakPath}) {
      if (temporary.starts_with(path)) return path;
    }
    return temporary;
  }

  const Plan& plan_;
  const support::DeviceFolder& folder_;
  int calls_ = 0;
  std::string temporary_;
  bool past_clock_ = false;
  std::string reached_;
  std::optional<std::string> thrown_;
  std::optional<Expected> caused_;
  Laid made_;
};

std::string Listing(const std::vector<std::string>& names) {
  std::string listing;
  for (const std::string& name : names) listing += name + " ";
  return listing;
}

constexpr std::string_view kOperations[] = {"write",
                                            "read",
                                            "delete",
                                            "change the attributes of",
                                            "flush the folder of",
                                            "create a temporary file for"};

// "Could not OPERATION the file "PATH": REASON", naming one of the program's own files.
bool NamesAFile(const std::string& message, std::string_view read_path) {
  for (const std::string_view operation : kOperations) {
    for (const std::string_view path : {kClockPath, read_path, kBakPath, kSystemBakPath}) {
      const std::string head =
          "Could not " + std::string(operation) + " the file \"" + std::string(path) + "\": ";
      if (message.starts_with(head) && message.size() > head.size()) return true;
    }
  }
  return false;
}

bool Names(const std::string& message, const Expected& expected) {
  return message.starts_with("Could not " + expected.operation + " the file \"" +
                             std::string(expected.path) + "\": ");
}

// What a Start may leave, failed or not: what was there, what the hook made, the clock file and
// the .bak, and nothing else.
void CheckNothingLeftBehind(const support::DeviceFolder& folder, const Laid& laid, const Laid& made,
                            std::string_view backup, const std::string& context) {
  for (const std::string& name : folder.Names()) {
    if (laid.Find(name) || made.Find(name)) continue;
    if (name == NameOf(kClockPath) || name == NameOf(backup)) continue;
    Fail("no temporary file is left behind",
         context + ": the device holds " + Listing(folder.Names()));
  }
  for (const auto& [name, bytes] : laid.entries) {
    if (!bytes || name == NameOf(kClockPath)) continue;
    const bool settings =
        std::any_of(std::begin(kSettingsPaths), std::end(kSettingsPaths),
                    [&name = name](std::string_view path) { return NameOf(path) == name; });
    if (!settings && FileBytes(folder, name) != *bytes) {
      Fail("a file the program did not write is left as it was", context + ": " + name);
    }
  }
}

// The settings line is found whole, old or new; every settings file holds what it held or the
// whole new line; the clock file is absent, old or whole.
void CheckNothingLost(const support::DeviceFolder& folder, const Laid& laid,
                      const std::string& old_line, const std::string& new_line,
                      const std::string& clock_line, bool clock_done, const std::string& context) {
  std::string found;
  try {
    found = device::LookUpSettingsLine(device::FileSystem(folder.root())).bytes();
  } catch (const std::exception& error) {
    Fail("a settings line is found after any failure", context + ": " + error.what());
  }
  if (found != old_line && found != new_line) {
    Fail("the settings line found is the old one or the new one, whole",
         context + ": found " + Quoted(found) + ", old " + Quoted(old_line) + ", new " +
             Quoted(new_line));
  }
  for (const std::string_view path : kSettingsPaths) {
    const std::string name = NameOf(path);
    if (!folder.IsFile(name)) continue;
    const std::string bytes = folder.Read(name);
    const auto* before = laid.Find(name);
    if (bytes == new_line + "\r\n" || (before && *before && bytes == **before)) continue;
    Fail("a settings file holds what it held or the whole new line",
         context + ": " + name + " holds " + Quoted(bytes));
  }
  const std::string clock_name = NameOf(kClockPath);
  const auto* clock_before = laid.Find(clock_name);
  if (!folder.IsFile(clock_name)) {
    if (clock_done || (clock_before && *clock_before)) {
      Fail("the clock file is old or whole", context + ": it is gone");
    }
    return;
  }
  const std::string clock = folder.Read(clock_name);
  const bool old = clock_before && *clock_before && clock == **clock_before;
  if (clock != clock_line && (clock_done || !old)) {
    Fail(clock_done ? "the clock file is whole once Start is past it"
                    : "the clock file is old or whole",
         context + ": " + Quoted(clock));
  }
}

// A Start that went through: the clock file, the hidden .bak with the new line, no .ini.
void CheckFinished(const Scratch& scratch, const Laid& laid, const Laid& made,
                   std::string_view backup, const std::string& new_line,
                   const std::string& clock_line, const std::string& context) {
  for (const std::string& name : scratch.commit.Names()) {
    const bool kept = (laid.Find(name) && name != NameOf(kIniPath)) || made.Find(name);
    if (!kept && name != NameOf(kClockPath) && name != NameOf(backup)) {
      Fail("Start leaves the clock file and the .bak, and deletes the .ini",
           context + ": " + Listing(scratch.commit.Names()));
    }
  }
  if (scratch.commit.IsFile(NameOf(kIniPath))) {
    Fail("Start deletes the .ini", context + ": " + Listing(scratch.commit.Names()));
  }
  const std::string written = FileBytes(scratch.commit, NameOf(backup)).value_or("");
  if (written != new_line + "\r\n") {
    Fail("the .bak holds the rebuilt line",
         context + ": " + Quoted(written) + ", expected " + Quoted(new_line + "\r\n"));
  }
  if (scratch.keeps_attributes && scratch.commit.DosBits(NameOf(backup)) != kHiddenBit) {
    Fail("the .bak is hidden alone",
         context + ": attribute bits " + std::to_string(scratch.commit.DosBits(NameOf(backup))));
  }
  const std::string clock = FileBytes(scratch.commit, NameOf(kClockPath)).value_or("");
  if (clock != clock_line) {
    Fail("the clock file is the clock line with settings",
         context + ": " + Quoted(clock) + ", expected " + Quoted(clock_line));
  }
}

}  // namespace

void CheckCommit(const Scratch& scratch, std::string_view bytes, const device::SettingsLine& line,
                 std::string_view screen, const std::string& block) {
  const Plan plan = PlanFor(line);
  const Laid laid = LayOut(scratch.commit, plan.layout, bytes);
  const std::string_view backup = BackupPath(plan.layout);
  const std::string new_line = device::RebuildSettingsLine(line.bytes(), block);
  const std::string clock_line = std::string(support::kSomeTimeText) + "E" + block + "\r\n";
  const std::optional<Expected> layout_failure = LayoutFailure(plan.layout);

  Saboteur saboteur(plan, scratch.commit);
  std::optional<std::string> failure;
  try {
    device::FileSystem file_system(
        scratch.commit.root(),
        [&](std::string_view step, std::string_view path) { saboteur(step, path); });
    device::CommitSettings(file_system, support::FixedClock(), block);
  } catch (const device::DeviceError& error) {
    failure = error.what();
  } catch (const std::exception& error) {
    Fail("Start fails with nothing but DeviceError", std::string(screen) + ": " + error.what());
  }
  std::string context = std::string(screen) + ", layout " +
                        std::to_string(static_cast<int>(plan.layout)) + ", hook call " +
                        std::to_string(plan.call);
  if (!saboteur.reached().empty()) context += " (" + saboteur.reached() + ")";

  const std::optional<Expected> expected = saboteur.thrown()   ? std::nullopt
                                           : saboteur.caused() ? saboteur.caused()
                                                               : layout_failure;
  if (!failure) {
    if (saboteur.thrown() || expected) {
      Fail("a failure is never reported as success",
           context + ": expected " + (saboteur.thrown() ? *saboteur.thrown() : "a failure"));
    }
    CheckNothingLeftBehind(scratch.commit, laid, saboteur.made(), backup, context);
    CheckFinished(scratch, laid, saboteur.made(), backup, new_line, clock_line, context);
    return;
  }
  if (saboteur.thrown() && *failure != *saboteur.thrown()) {
    Fail("the failing step's DeviceError is reported as it was",
         context + ": " + *failure + ", thrown " + *saboteur.thrown());
  }
  if (!saboteur.thrown() &&
      !(expected ? Names(*failure, *expected) : NamesAFile(*failure, ReadPath(plan.layout)))) {
    Fail("a failure names the operation and the file",
         context + ": " + *failure +
             (expected ? ", expected " + expected->operation + " " + std::string(expected->path)
                       : ""));
  }
  CheckNothingLeftBehind(scratch.commit, laid, saboteur.made(), backup, context);
  const bool clock_done = saboteur.past_clock() || (!saboteur.thrown() && !saboteur.caused() &&
                                                    plan.layout == Layout::kBakFolder);
  CheckNothingLost(scratch.commit, laid, line.bytes(), new_line, clock_line, clock_done, context);

  // A step that failed once leaves nothing in the way of the next Start.
  if (!saboteur.thrown() || layout_failure) return;
  const std::string found =
      device::LookUpSettingsLine(device::FileSystem(scratch.commit.root())).bytes();
  try {
    device::FileSystem file_system(scratch.commit.root());
    device::CommitSettings(file_system, support::FixedClock(), block);
  } catch (const std::exception& error) {
    Fail("the next Start goes through", context + ": " + error.what());
  }
  CheckFinished(scratch, laid, saboteur.made(), backup, device::RebuildSettingsLine(found, block),
                clock_line, context + ", next Start");
}

}  // namespace fuzz
