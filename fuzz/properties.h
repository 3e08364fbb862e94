#pragma once

#include <string_view>

#include "scratch.h"

namespace fuzz {

// Takes `bytes` as the recorder's "\ravlen_setting.ini" and checks what the program does with
// it: the lookup and read, the start-up test of the model code, every settings screen's load,
// block and rebuilt line, and the write-back of one screen that loads. A property that does not
// hold is printed with the input, and the process aborts so that libFuzzer keeps the input.
void CheckSettingsFile(const Scratch& scratch, std::string_view bytes);

}  // namespace fuzz
