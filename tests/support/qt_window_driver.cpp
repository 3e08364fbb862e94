#include <gtest/gtest.h>

#include <algorithm>

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTest>

#include "support/window_driver.h"
#include "ui/qt/front_end.h"
#include "ui/qt/screen_window.h"

namespace testing_support {
namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A caption as shown: "&&" is how Qt shows one "&" where "&" would mark a shortcut.
std::string Shown(QString caption) {
  return caption.replace(QStringLiteral("&&"), QStringLiteral("&")).toStdString();
}

Qt::Key QtKey(Key key) {
  switch (key) {
    case Key::kDown:
      return Qt::Key_Down;
    case Key::kUp:
      return Qt::Key_Up;
    case Key::kSpace:
      return Qt::Key_Space;
    case Key::kEnter:
      return Qt::Key_Return;
    case Key::kEscape:
      return Qt::Key_Escape;
    case Key::kTab:
      return Qt::Key_Tab;
  }
  return Qt::Key_unknown;
}

class QtWindowDriver : public WindowDriver {
 public:
  ~QtWindowDriver() override {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  app::FrontEnd& front_end() override { return front_end_; }

  std::string WindowName() const override {
    const ui::qt::ScreenWindow* window = front_end_.OpenWindow();
    return window ? window->objectName().toStdString() : "none";
  }
  int WindowsOnScreen() const override { return front_end_.WindowsOnScreen(); }
  std::string Title() const override {
    return Window() ? Window()->windowTitle().toStdString() : "";
  }
  PixelSize ClientSize() const override {
    if (!Window()) return {};
    return {Window()->width(), Window()->height()};
  }
  int OuterHeight() const override { return Window() ? Window()->frameGeometry().height() : 0; }
  int Pixels(int twips) const override { return Window() ? Window()->Pixels(twips) : 0; }
  PixelRect OnScreen(std::string_view control) const override {
    if (!Window()) return {};
    QRect rect = Window()->frameGeometry();
    if (!control.empty()) {
      const QWidget* widget = Find(control);
      if (!widget) return {};
      rect = QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    }
    return {rect.x(), rect.y(), rect.width(), rect.height()};
  }
  PixelRect WorkArea() const override {
    if (!Window() || !Window()->screen()) return {};
    const QRect rect = Window()->screen()->availableGeometry();
    return {rect.x(), rect.y(), rect.width(), rect.height()};
  }
  int LineHeight(std::string_view control) const override {
    const QWidget* widget = Find(control);
    return widget ? QFontMetrics(widget->font()).height() : 0;
  }
  int TextWidth(std::string_view control) const override {
    const QWidget* widget = Find(control);
    return widget ? QFontMetrics(widget->font()).horizontalAdvance(ToQString(Text(control))) : 0;
  }
  int TextRoom(std::string_view control) const override {
    const QWidget* widget = Find(control);
    if (widget == nullptr) return 0;
    const QStyle* style = widget->style();
    if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
      QStyleOptionGroupBox option;
      option.initFrom(box);
      option.text = box->title();
      option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
      option.textAlignment = box->alignment();
      const QRect label =
          style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
      return box->width() - 2 * label.left();
    }
    if (qobject_cast<const QRadioButton*>(widget)) {
      return widget->width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) -
             style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    }
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
      QStyleOptionComboBox option;
      option.initFrom(list);
      return style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
          .width();
    }
    if (qobject_cast<const QAbstractButton*>(widget)) {
      return widget->width() - 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
    }
    return widget->width();
  }
  int WidestItemWidth(std::string_view list) const override {
    const auto* combo = qobject_cast<const QComboBox*>(Find(list));
    if (combo == nullptr) return 0;
    const QFontMetrics metrics(combo->font());
    int widest = 0;
    for (int i = 0; i < combo->count(); ++i) {
      widest = std::max(widest, metrics.horizontalAdvance(combo->itemText(i)));
    }
    return widest;
  }
  bool SavePicture(const std::string& path_without_extension) const override {
    return Window() && Window()->grab().save(ToQString(path_without_extension + ".png"), "PNG");
  }

  bool Exists(std::string_view control) const override {
    return Window() && Window()->Widget(control) != nullptr;
  }
  bool Visible(std::string_view control) const override {
    const QWidget* widget = Find(control);
    return widget && widget->isVisible();
  }
  bool Enabled(std::string_view control) const override {
    const QWidget* widget = Find(control);
    return widget && widget->isEnabled();
  }
  bool Checked(std::string_view option_button) const override {
    const auto* button = qobject_cast<const QAbstractButton*>(Find(option_button));
    return button && button->isChecked();
  }
  bool Centred(std::string_view label) const override {
    const auto* found = qobject_cast<const QLabel*>(Find(label));
    return found && (found->alignment() & Qt::AlignHCenter);
  }
  std::string Text(std::string_view control) const override {
    const QWidget* widget = Find(control);
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
      return label->buddy() ? Shown(label->text()) : label->text().toStdString();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
      return Shown(button->text());
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) return Shown(frame->title());
    if (const auto* text_box = qobject_cast<const QLineEdit*>(widget)) {
      return text_box->text().toStdString();
    }
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
      return (list->currentIndex() < 0 ? list->placeholderText() : list->currentText())
          .toStdString();
    }
    return "";
  }
  std::vector<std::string> Items(std::string_view list) const override {
    std::vector<std::string> items;
    if (const auto* combo = qobject_cast<const QComboBox*>(Find(list))) {
      for (int i = 0; i < combo->count(); ++i) items.push_back(combo->itemText(i).toStdString());
    }
    return items;
  }
  PixelRect Geometry(std::string_view control) const override {
    const QWidget* widget = Find(control);
    if (!widget) return {};
    const QRect rect = widget->geometry();
    return {rect.x(), rect.y(), rect.width(), rect.height()};
  }
  std::string Container(std::string_view control) const override {
    const QWidget* widget = Find(control);
    if (!widget || widget->parentWidget() == Window()) return "";
    return widget->parentWidget()->objectName().toStdString();
  }
  // Asked in process; the tree that screen readers meet on the desktop bus is built from it. On
  // Linux a list's own name is its current item, and screen readers name it by the label related
  // to it instead.
  std::string AccessibleName(std::string_view control) const override {
    QWidget* widget = Find(control);
    QAccessibleInterface* accessible =
        widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    if (!accessible) return "";
    const auto labels = accessible->relations(QAccessible::Label);
    if (qobject_cast<const QComboBox*>(widget) && !labels.empty()) accessible = labels[0].first;
    return accessible->text(QAccessible::Name).toStdString();
  }
  bool ShowsTextFromItsStart(std::string_view text_box) const override {
    const auto* edit = qobject_cast<const QLineEdit*>(Find(text_box));
    // A line edit scrolls only as far as it must to show its cursor.
    return edit && edit->cursorPosition() == 0;
  }
  std::string FocusedControl() const override {
    const QWidget* focused = Window() ? Window()->focusWidget() : nullptr;
    return focused ? focused->objectName().toStdString() : "";
  }
  std::vector<std::string> TabOrder(std::string_view first, std::size_t count) const override {
    std::vector<std::string> names;
    for (QWidget* widget = Find(first); widget && names.size() < count;
         widget = widget->nextInFocusChain()) {
      if (widget->focusPolicy() & Qt::TabFocus) names.push_back(widget->objectName().toStdString());
    }
    return names;
  }
  void Click(std::string_view control) override {
    auto* button = qobject_cast<QAbstractButton*>(Find(control));
    if (!button) {
      ADD_FAILURE() << "no button " << control;
      return;
    }
    // Near the left edge, where an option button has its indicator.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }
  void Choose(std::string_view list, std::string_view item) override {
    auto* combo = qobject_cast<QComboBox*>(Find(list));
    const int index = combo ? combo->findText(ToQString(item), Qt::MatchExactly) : -1;
    if (index < 0) {
      ADD_FAILURE() << "no item \"" << item << "\" in " << list;
      return;
    }
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(combo, Qt::Key_Down);
  }
  void Press(std::string_view control, Key key) override {
    QWidget* widget = Find(control);
    if (!widget) return;
    widget->setFocus();
    QTest::keyClick(widget, QtKey(key));
  }
  void CloseByUser() override {
    if (Window()) Window()->close();
  }
  void ProcessEventsFor(int milliseconds) override { QTest::qWait(milliseconds); }

 private:
  ui::qt::ScreenWindow* Window() const { return front_end_.OpenWindow(); }

  QWidget* Find(std::string_view control) const {
    QWidget* widget = Window() ? Window()->Widget(control) : nullptr;
    if (!widget) ADD_FAILURE() << "no control " << control << " in " << WindowName();
    return widget;
  }

  ui::qt::FrontEnd front_end_;
};

}  // namespace

std::unique_ptr<WindowDriver> MakeWindowDriver() {
  return std::make_unique<QtWindowDriver>();
}

}  // namespace testing_support
