#include "screens/form10.h"
#include "screens/form13.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "line_builder.h"

namespace screens {
namespace {

using testing_lines::Line;
using testing_lines::Outcome;

TEST(LevelScreenTest, OnlyTheFirstFailureInTheOrder3_4_18_19Counts) {
  struct Case {
    std::vector<std::pair<int, char>> changes;
    const char* outcome;
  };
  const Case cases[] = {
      {{{3, 'X'}, {4, '2'}}, "no digit at 3"},
      {{{4, '2'}, {19, '5'}}, "file error"},
      {{{4, '2'}, {18, 'X'}}, "file error"},
      {{{4, 'X'}, {18, '7'}}, "no digit at 4"},
      {{{18, '7'}, {19, 'X'}}, "file error"},
      {{{18, 'X'}, {19, '5'}}, "no digit at 18"},
      {{{19, 'X'}}, "no digit at 19"},
      {{{5, 'X'}, {10, 'X'}, {16, 'X'}, {20, 'X'}, {25, 'X'}, {31, 'X'}}, "loaded"},
  };
  for (const auto* screen : {&Form10(), &Form13()}) {
    for (const Case& c : cases) {
      const auto line = Line(screen == &Form10() ? '2' : '5', c.changes);
      SCOPED_TRACE(std::string(screen->window.name) + " " + line.bytes());
      EXPECT_EQ(Outcome([&] { Load(*screen, line); }), c.outcome);
    }
  }
}

}  // namespace
}  // namespace screens
