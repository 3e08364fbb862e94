#include "properties.h"

#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "commit_faults.h"
#include "device/errors.h"
#include "device/file_system.h"
#include "device/settings_line.h"
#include "device/write_back.h"
#include "report.h"
#include "screens/form10.h"
#include "screens/form11.h"
#include "screens/form12.h"
#include "screens/form13.h"
#include "screens/form15.h"
#include "screens/form3.h"
#include "screens/form4.h"
#include "screens/screen.h"

namespace fuzz {
namespace {

constexpr std::string_view kSettingsFile = "ravlen_setting.ini";

struct NamedScreen {
  std::string_view name;
  const screens::ScreenDescription& (*describe)();
};

constexpr NamedScreen kScreens[] = {
    {"Form3", screens::Form3},   {"Form4", screens::Form4},   {"Form10", screens::Form10},
    {"Form11", screens::Form11}, {"Form12", screens::Form12}, {"Form13", screens::Form13},
    {"Form15", screens::Form15},
};

bool IsDigit(std::string_view character) {
  return !character.empty() && character.front() >= '0' && character.front() <= '9';
}

// The bytes before the first CR, at most kFirstLineReadLimit of them.
std::string ExpectedFirstLine(std::string_view bytes) {
  return std::string(bytes.substr(0, bytes.find('\r')).substr(0, device::kFirstLineReadLimit));
}

// Characters 1 to 17 of the line, the block, then characters 32 to 47.
std::string ExpectedRebuild(std::string_view line, std::string_view block) {
  std::string rebuilt(line.substr(0, 17));
  rebuilt += block;
  if (line.size() > 31) rebuilt += line.substr(31, 16);
  return rebuilt;
}

std::optional<device::SettingsLine> CheckRead(const device::FileSystem& file_system,
                                              std::string_view bytes) {
  std::optional<device::SettingsLine> line;
  try {
    line = device::LookUpSettingsLine(file_system);
  } catch (const device::DeviceError& error) {
    if (!bytes.empty()) Fail("only a zero-byte settings file fails to read", error.what());
    return std::nullopt;
  } catch (const std::exception& error) {
    Fail("the read throws nothing but DeviceError", error.what());
  }
  if (bytes.empty()) Fail("a zero-byte settings file fails to read", Quoted(line->bytes()));
  const std::string expected = ExpectedFirstLine(bytes);
  if (line->bytes() != expected) {
    Fail("the read gives the bytes before the first CR",
         "read " + Quoted(line->bytes()) + ", expected " + Quoted(expected));
  }
  return line;
}

void CheckModelCode(const device::SettingsLine& line) {
  const std::string_view model = line.CharacterAt(device::kModelCodePosition);
  for (int code = 0; code <= 6; ++code) {
    try {
      const bool matches = device::IsCode(line, device::kModelCodePosition, code);
      if (!IsDigit(model) || matches != (model.front() - '0' == code)) {
        Fail("the model code test compares the digit",
             "IsCode(1, " + std::to_string(code) + ") gave " + (matches ? "true" : "false"));
      }
    } catch (const device::ConversionFailure& failure) {
      if (IsDigit(model) || failure.position() != device::kModelCodePosition) {
        Fail("the model code test fails only for a non-digit at position 1", failure.what());
      }
    }
  }
}

std::string CheckedBlock(const NamedScreen& screen, const screens::ScreenState& state) {
  std::string block;
  try {
    block = screens::Block(screen.describe(), state);
  } catch (const std::exception& error) {
    Fail("a block is built for every state a load gives",
         std::string(screen.name) + ": " + error.what());
  }
  bool digits = block.size() == device::kSettingsBlockLength;
  for (const char c : block) digits = digits && c >= '0' && c <= '9';
  if (!digits) {
    Fail("a block is 14 ASCII digits", std::string(screen.name) + " built " + Quoted(block));
  }
  return block;
}

// A line that the screen loaded, rebuilt with its block, loads again to the same block.
void CheckRoundTrip(const NamedScreen& screen, const device::SettingsLine& line,
                    const std::string& block) {
  const std::string rebuilt = device::RebuildSettingsLine(line.bytes(), block);
  const std::string expected = ExpectedRebuild(line.bytes(), block);
  if (rebuilt != expected) {
    Fail("the rebuilt line is characters 1 to 17, the block, characters 32 to 47",
         "rebuilt " + Quoted(rebuilt) + ", expected " + Quoted(expected));
  }
  if (line.bytes().size() < 17) return;
  std::string again;
  try {
    again = CheckedBlock(screen, screens::Load(screen.describe(), device::SettingsLine(rebuilt)));
  } catch (const std::exception& error) {
    Fail("a rebuilt line loads again",
         std::string(screen.name) + " on " + Quoted(rebuilt) + ": " + error.what());
  }
  if (again != block) {
    Fail("a rebuilt line loads again to the same block",
         std::string(screen.name) + ": block " + block + ", then " + again);
  }
}

// The screen's block when it loads the line, or none when the load ends the program.
std::optional<std::string> CheckLoad(const NamedScreen& screen, const device::SettingsLine& line) {
  const screens::ScreenDescription& description = screen.describe();
  screens::ScreenState state;
  try {
    state = screens::Load(description, line);
  } catch (const device::FileError& error) {
    if (error.what() != description.file_error) {
      Fail("a file error carries the screen's message", std::string(screen.name) + ": " +
                                                            error.what() + ", expected " +
                                                            std::string(description.file_error));
    }
    return std::nullopt;
  } catch (const device::ConversionFailure& failure) {
    if (IsDigit(line.CharacterAt(failure.position()))) {
      Fail("a conversion failure names a position without a digit",
           std::string(screen.name) + ": " + failure.what());
    }
    return std::nullopt;
  } catch (const std::exception& error) {
    Fail("a load gives a state, a file error or a conversion failure",
         std::string(screen.name) + ": " + error.what());
  }
  if (state.version_text != line.VersionText()) {
    Fail("the version text is characters 33 to 47", Quoted(state.version_text));
  }
  std::string block = CheckedBlock(screen, state);
  CheckRoundTrip(screen, line, block);
  return block;
}

void CheckUntouched(const support::DeviceFolder& folder, std::string_view bytes) {
  const std::vector<std::string> names = folder.Names();
  if (names != std::vector<std::string>{std::string(kSettingsFile)}) {
    std::string listing;
    for (const std::string& name : names) listing += name + " ";
    Fail("loading writes nothing", "the device holds " + listing);
  }
  if (folder.Read(kSettingsFile) != bytes) {
    Fail("loading writes nothing", "the settings file changed");
  }
}

}  // namespace

void CheckSettingsFile(const Scratch& scratch, std::string_view bytes) {
  SetInput(bytes);
  scratch.read.Empty();
  scratch.read.Write(kSettingsFile, bytes);
  const device::FileSystem file_system(scratch.read.root());
  const std::optional<device::SettingsLine> line = CheckRead(file_system, bytes);
  if (!line) return;
  CheckModelCode(*line);

  struct Loaded {
    std::string_view screen;
    std::string block;
  };
  std::vector<Loaded> loaded;
  for (const NamedScreen& screen : kScreens) {
    if (auto block = CheckLoad(screen, *line)) {
      loaded.push_back({screen.name, std::move(*block)});
    }
  }
  CheckUntouched(scratch.read, bytes);
  if (loaded.empty()) return;
  // Position 2 is never examined: it picks the screen whose Start is tried. Positions 17 and 32
  // may make the device fail during that Start (commit_faults.h).
  const auto pick = static_cast<unsigned char>(line->bytes()[1]) % loaded.size();
  CheckCommit(scratch, bytes, *line, loaded[pick].screen, loaded[pick].block);
}

}  // namespace fuzz
