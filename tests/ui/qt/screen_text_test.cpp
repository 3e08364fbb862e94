#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QLabel>

#include "device/clock.h"
#include "screens/form10.h"
#include "screens/form11.h"
#include "screens/form12.h"
#include "screens/form13.h"
#include "screens/form15.h"
#include "screens/form3.h"
#include "screens/form4.h"
#include "ui/qt/screen_window.h"

namespace ui::qt {
namespace {

struct Screen {
  const char* name;
  const screens::ScreenDescription& (*description)();
};

void PrintTo(const Screen& screen, std::ostream* out) {
  *out << screen.name;
}

class ScreenTextTest : public ::testing::TestWithParam<Screen> {};

bool HasScreenTypeface() {
  for (const char* family : {"Gulim", "Arial", "Liberation Sans"}) {
    if (QFontDatabase::hasFamily(QString::fromLatin1(family))) return true;
  }
  return false;
}

// The live clock and every caption are drawn whole: none is cut off at its label's edge.
TEST_P(ScreenTextTest, ClockAndCaptionsFitTheirLabels) {
  if (!HasScreenTypeface()) GTEST_SKIP() << "neither Gulim nor Arial nor Liberation Sans";
  const ScreenWindow window(GetParam().description().window);
  const QString clock = QString::fromStdString(device::FormatLiveClock({2028, 8, 28, 20, 58, 48}));
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    SCOPED_TRACE(label->objectName().toStdString());
    QString text = label->objectName() == QStringLiteral("Label1") ? clock : label->text();
    text.replace(QStringLiteral("&&"), QStringLiteral("&"));
    EXPECT_LE(label->fontMetrics().tightBoundingRect(text).width(), label->contentsRect().width())
        << text.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScreenTextTest,
    ::testing::Values(Screen{"Form3", screens::Form3}, Screen{"Form4", screens::Form4},
                      Screen{"Form10", screens::Form10}, Screen{"Form11", screens::Form11},
                      Screen{"Form12", screens::Form12}, Screen{"Form13", screens::Form13},
                      Screen{"Form15", screens::Form15}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ui::qt
