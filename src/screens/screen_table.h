#pragma once

#include <optional>
#include <vector>

#include "device/settings_line.h"
#include "screens/layout.h"
#include "screens/screen.h"

namespace screens {

// What the program shows for a recorder.
struct ShownScreen {
  enum class Kind {
    kStartScreen,     // no settings file: the start screen with its live clock running
    kNoModelScreen,   // a model code without a screen: the start screen, its clock not running
    kBasicScreen,     // models 0 and 1: the basic screen, whose Setting opens `settings`
    kSettingsScreen,  // the model's own settings screen, `settings`
  };
  Kind kind;
  const WindowLayout* window;                   // the window shown first
  const ScreenDescription* settings = nullptr;  // the screen that holds the settings, if any
};

// The one place that turns a model code into a screen: what is shown for the settings line, or
// for a recorder without one (none). A model code that is not a digit throws
// device::ConversionFailure.
ShownScreen ScreenFor(const std::optional<device::SettingsLine>& line);

// The model code of a settings line, or none for a character that is not a digit.
std::optional<int> ModelCode(const device::SettingsLine& line);

// The settings screen of every model, each once, in the order of the model codes.
std::vector<const ScreenDescription*> EverySettingsScreen();

}  // namespace screens
