#include "screens/screen_table.h"

#include "screens/form1.h"
#include "screens/form10.h"
#include "screens/form11.h"
#include "screens/form12.h"
#include "screens/form13.h"
#include "screens/form15.h"
#include "screens/form2.h"
#include "screens/form3.h"
#include "screens/form4.h"

namespace screens {
namespace {

using Kind = ShownScreen::Kind;

struct ModelRow {
  int model_code;
  Kind kind;
  const ScreenDescription& (*settings)();
};

// Models 0 and 1 show the basic screen, whose Setting opens their Option Setting screen; the
// others show their own screen at once. Codes 7 to 9 have none.
constexpr ModelRow kModels[] = {
    {0, Kind::kBasicScreen, Form3},     {1, Kind::kBasicScreen, Form4},
    {2, Kind::kSettingsScreen, Form10}, {3, Kind::kSettingsScreen, Form11},
    {4, Kind::kSettingsScreen, Form12}, {5, Kind::kSettingsScreen, Form13},
    {6, Kind::kSettingsScreen, Form15},
};

}  // namespace

ShownScreen ScreenFor(const std::optional<device::SettingsLine>& line) {
  if (!line) return {Kind::kStartScreen, &Form1()};
  const int code = device::DigitAt(*line, device::kModelCodePosition);
  for (const ModelRow& row : kModels) {
    if (row.model_code != code) continue;
    const ScreenDescription& settings = row.settings();
    return {row.kind, row.kind == Kind::kBasicScreen ? &Form2() : &settings.window, &settings};
  }
  return {Kind::kNoModelScreen, &Form1()};
}

std::optional<int> ModelCode(const device::SettingsLine& line) {
  const std::string_view code = line.CharacterAt(device::kModelCodePosition);
  if (code.empty() || code[0] < '0' || code[0] > '9') return std::nullopt;
  return code[0] - '0';
}

std::vector<const ScreenDescription*> EverySettingsScreen() {
  std::vector<const ScreenDescription*> screens;
  for (const ModelRow& row : kModels) screens.push_back(&row.settings());
  return screens;
}

}  // namespace screens
