#include "screens/tab_order.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screens/form11.h"

namespace screens {
namespace {

using K = ControlKind;

struct TabOrderCase {
  std::string name;
  std::vector<Control> controls;
  std::vector<std::string_view> focus_order;
};

std::vector<std::string_view> Names(const std::vector<const Control*>& controls) {
  std::vector<std::string_view> names;
  for (const Control* control : controls) names.push_back(control->name);
  return names;
}

// A control of the window or of `container`, with only what the order looks at.
Control At(std::string_view name, K kind, int tab_index, std::string_view container = "") {
  return {name, kind, container, "", 0, 0, 0, 0, tab_index, kDefaultFont};
}

class TabOrderTest : public testing::TestWithParam<TabOrderCase> {};

TEST_P(TabOrderTest, FocusGoesThroughTheControlsInOrder) {
  const WindowLayout layout{"Window", "", 0, 0, GetParam().controls};
  EXPECT_EQ(Names(TabOrder(layout)), GetParam().focus_order);
}

const TabOrderCase kCases[] = {
    {"ByTabIndexNotByPlaceInTheTable",
     {At("Start", K::kButton, 2), At("Text", K::kTextBox, 0), At("List", K::kDropDownList, 1)},
     {"Text", "List", "Start"}},
    {"LabelsAndFramesTakeNoFocus",
     {At("Caption", K::kLabel, 0), At("Frame", K::kFrame, 1), At("Clock", K::kLabel, 2, "Frame"),
      At("Start", K::kButton, 3)},
     {"Start"}},
    // A frame's buttons are reached at the frame's place, whatever their own tab indexes say.
    {"FrameButtonsAtTheFramePlace",
     {At("Start", K::kButton, 0), At("Frame", K::kFrame, 5),
      At("Low", K::kOptionButton, 2, "Frame"), At("High", K::kOptionButton, 1, "Frame"),
      At("List", K::kDropDownList, 3)},
     {"Start", "List", "High", "Low"}},
    // Option buttons of the window itself stay together at the place of the first.
    {"WindowButtonsStayTogether",
     {At("On", K::kOptionButton, 1), At("Start", K::kButton, 2), At("Off", K::kOptionButton, 4),
      At("Text", K::kTextBox, 0)},
     {"Text", "On", "Off", "Start"}},
    {"Form11",
     Form11().window.controls,
     {"Command1", "Option1", "Option2", "Option3", "Option4", "Option5", "Option11", "Option10",
      "Option9", "Option8", "Option7", "Text1", "Option34", "Option35"}},
};

INSTANTIATE_TEST_SUITE_P(Layouts, TabOrderTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace screens
