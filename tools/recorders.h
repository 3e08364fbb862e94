#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tools {

// One screenshot: a typical recorder, the way to its screen and the file the picture goes to.
struct Recorder {
  std::string file_name;  // PNG in the output folder
  // The first line of "\ravlen_setting.ini"; none: the recorder has no settings file.
  std::optional<std::string> settings_line;
  std::string click;   // a button pressed before the picture, or empty
  std::string window;  // the screen expected on display
};

// The recorders whose screens the documentation shows: one per screen with every feature, and the
// greyed, hidden and compact variants.
const std::vector<Recorder>& TypicalRecorders();

}  // namespace tools
