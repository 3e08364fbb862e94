#pragma once

#include <string>
#include <string_view>

namespace fuzz {

// The settings file being checked, shown with every failed property.
void SetInput(std::string_view bytes);

// Prints the property that does not hold, what was found and the input, then aborts, so that
// libFuzzer reports the input as a crash and keeps it.
[[noreturn]] void Fail(std::string_view property, const std::string& detail);

// The bytes in double quotes, every byte outside printable ASCII as \xHH; long texts are cut.
std::string Quoted(std::string_view bytes);

}  // namespace fuzz
