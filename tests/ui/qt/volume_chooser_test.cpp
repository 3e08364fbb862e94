#include "ui/qt/volume_chooser.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <optional>
#include <utility>
#include <vector>

namespace ui::qt {
namespace {

const std::vector<device::Volume> kVolumes = {{"/media/me/REC ONE", "REC ONE"},
                                              {"/media/me/disk", ""}};

TEST(VolumeChooserTest, ListsMountPointsWithTheirLabels) {
  VolumeChooserDialog dialog(kVolumes);
  auto* list = dialog.findChild<QListWidget*>(QStringLiteral("VolumeList"));
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(0)->text(), "/media/me/REC ONE (REC ONE)");
  EXPECT_EQ(list->item(1)->text(), "/media/me/disk");
  EXPECT_EQ(list->currentRow(), 0);
}

TEST(VolumeChooserTest, OkTakesTheChosenRowAndCancelNone) {
  struct Case {
    const char* button;
    int row;
    std::optional<std::size_t> chosen;
  };
  const Case cases[] = {
      {"OkButton", 1, 1},
      {"OkButton", 0, 0},
      {"CancelButton", 1, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.button) + " on row " + std::to_string(c.row));
    VolumeChooserDialog dialog(kVolumes);
    dialog.show();
    dialog.findChild<QListWidget*>(QStringLiteral("VolumeList"))->setCurrentRow(c.row);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromLatin1(c.button)),
                      Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Chosen(), c.chosen);
  }
}

// The keyboard: Enter takes the chosen row, Escape none, as Cancel.
TEST(VolumeChooserTest, EnterTakesTheChosenRowAndEscapeNone) {
  for (const auto& [key, chosen] : {std::pair{Qt::Key_Return, std::optional<std::size_t>(1)},
                                    std::pair{Qt::Key_Escape, std::optional<std::size_t>()}}) {
    SCOPED_TRACE(key == Qt::Key_Escape ? "Escape" : "Enter");
    VolumeChooserDialog dialog(kVolumes);
    dialog.show();
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("VolumeList"));
    list->setCurrentRow(1);
    QTest::keyClick(list, key);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Chosen(), chosen);
  }
}

TEST(VolumeChooserTest, DoubleClickTakesTheRow) {
  VolumeChooserDialog dialog(kVolumes);
  dialog.show();
  auto* list = dialog.findChild<QListWidget*>(QStringLiteral("VolumeList"));
  const QPoint row = list->visualItemRect(list->item(1)).center();
  // An item view takes a double click only on the item that the first click pressed.
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.Chosen(), 1u);
}

}  // namespace
}  // namespace ui::qt
