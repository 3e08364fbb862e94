#include "recorders.h"

#include <initializer_list>
#include <string_view>
#include <utility>

namespace tools {
namespace {

// Every capability flag "1": the model has every feature, with every choice.
constexpr std::string_view kAllFeatures = "11111111111111";

// A settings line: model code, capability flags, settings block and a 15-character version text.
std::string Line(char model, std::string_view flags, std::string_view block,
                 std::string_view version) {
  return std::string(1, model) + "0" + std::string(flags) + "0" + std::string(block) + "0" +
         std::string(version);
}

// The flags of a full-featured model with some of them changed: (position in the line, flag).
std::string Flags(std::initializer_list<std::pair<int, char>> changes) {
  std::string flags(kAllFeatures);
  for (const auto& [position, flag] : changes) flags[static_cast<std::size_t>(position - 3)] = flag;
  return flags;
}

}  // namespace

const std::vector<Recorder>& TypicalRecorders() {
  // Blocks: HQ recording where a screen has it, VOS level "+ 1" or its default, the rest typical.
  static const std::vector<Recorder> recorders = {
      {"form1-start-screen.png", std::nullopt, "", "Form1"},
      {"form2-basic-screen-model-0.png",
       Line('0', kAllFeatures, "21010001000000", "FW 1.20 MODEL-0"), "", "Form2"},
      {"form3-option-setting-model-0.png",
       Line('0', kAllFeatures, "21010001000000", "FW 1.20 MODEL-0"), "Command2", "Form3"},
      {"form4-option-setting-model-1.png",
       Line('1', kAllFeatures, "21013021100000", "FW 1.31 MODEL-1"), "Command2", "Form4"},
      {"form10-model-2.png", Line('2', kAllFeatures, "22000000000000", "FW 2.05 MODEL-2"), "",
       "Form10"},
      {"form11-model-3.png", Line('3', kAllFeatures, "21000001000000", "FW 3.00 MODEL-3"), "",
       "Form11"},
      {"form12-model-4.png", Line('4', kAllFeatures, "20000000000000", "FW 4.01 MODEL-4"), "",
       "Form12"},
      {"form13-model-5.png", Line('5', kAllFeatures, "12000000000000", "FW 5.10 MODEL-5"), "",
       "Form13"},
      {"form15-model-6.png", Line('6', kAllFeatures, "22111000012000", "FW 6.00 MODEL-6"), "",
       "Form15"},
      // Mode availability "8": only PCM and HQ can be chosen, the other modes are greyed.
      {"form3-greyed-modes.png", Line('0', Flags({{3, '8'}}), "21010001000000", "FW 1.20 MODEL-0"),
       "Command2", "Form3"},
      // Mode availability "4" leaves PCM and XHQ; VOS switch flag "0" hides the VOS On/Off frame.
      {"form11-hidden-modes-and-vos-switch.png",
       Line('3', Flags({{3, '4'}, {10, '0'}}), "11000001000000", "FW 3.00 MODEL-3"), "", "Form11"},
      // MIC input flag "0": no MIC input list, and the compact layout.
      {"form15-compact-without-mic-input.png",
       Line('6', Flags({{14, '0'}}), "22111000012000", "FW 6.00 MODEL-6"), "", "Form15"},
  };
  return recorders;
}

}  // namespace tools
