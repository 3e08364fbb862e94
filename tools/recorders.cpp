#include "recorders.h"

#include <string_view>
#include <utility>

#include "device/settings_line.h"
#include "screens/control_names.h"
#include "screens/screen_table.h"
#include "support/settings_line_builder.h"

namespace tools {
namespace {

// A settings line: model code, settings block and a 15-character version text, every capability
// flag "1" (the model has every feature, with every choice) but the changed ones: (position in the
// line, flag).
std::string Line(char model, std::string_view block, std::string_view version,
                 const support::LineChanges& changed_flags = {}) {
  return support::WithChanges(
      support::BuildSettingsLine(
          {.model = model, .block = std::string(block), .version = std::string(version)}),
      changed_flags);
}

enum class Click { kNone, kSetting };

// A recorder whose picture shows what the screen table gives for its line: the first window, or
// after Setting the Option Setting screen.
Recorder Shows(std::string file_name, std::optional<std::string> line, Click click) {
  std::optional<device::SettingsLine> settings_line;
  if (line) settings_line.emplace(*line);
  const screens::ShownScreen shown = screens::ScreenFor(settings_line);
  const bool setting = click == Click::kSetting;
  return {std::move(file_name), std::move(line),
          setting ? std::string(screens::kSettingButton) : std::string(),
          std::string(setting ? shown.settings->window.name : shown.window->name)};
}

}  // namespace

const std::vector<Recorder>& TypicalRecorders() {
  // Blocks: HQ recording where a screen has it, VOS level "+ 1" or its default, the rest typical.
  static const std::vector<Recorder> recorders = {
      Shows("form1-start-screen.png", std::nullopt, Click::kNone),
      Shows("form2-basic-screen-model-0.png", Line('0', "21010001000000", "FW 1.20 MODEL-0"),
            Click::kNone),
      Shows("form3-option-setting-model-0.png", Line('0', "21010001000000", "FW 1.20 MODEL-0"),
            Click::kSetting),
      Shows("form4-option-setting-model-1.png", Line('1', "21013021100000", "FW 1.31 MODEL-1"),
            Click::kSetting),
      Shows("form10-model-2.png", Line('2', "22000000000000", "FW 2.05 MODEL-2"), Click::kNone),
      Shows("form11-model-3.png", Line('3', "21000001000000", "FW 3.00 MODEL-3"), Click::kNone),
      Shows("form12-model-4.png", Line('4', "20000000000000", "FW 4.01 MODEL-4"), Click::kNone),
      Shows("form13-model-5.png", Line('5', "12000000000000", "FW 5.10 MODEL-5"), Click::kNone),
      Shows("form15-model-6.png", Line('6', "22111000012000", "FW 6.00 MODEL-6"), Click::kNone),
      // Mode availability "8": only PCM and HQ can be chosen, the other modes are greyed.
      Shows("form3-greyed-modes.png", Line('0', "21010001000000", "FW 1.20 MODEL-0", {{3, '8'}}),
            Click::kSetting),
      // Mode availability "4" leaves PCM and XHQ; VOS switch flag "0" hides the VOS On/Off frame.
      Shows("form11-hidden-modes-and-vos-switch.png",
            Line('3', "11000001000000", "FW 3.00 MODEL-3", {{3, '4'}, {10, '0'}}), Click::kNone),
      // MIC input flag "0": no MIC input list, and the compact layout.
      Shows("form15-compact-without-mic-input.png",
            Line('6', "22111000012000", "FW 6.00 MODEL-6", {{14, '0'}}), Click::kNone),
  };
  return recorders;
}

}  // namespace tools
