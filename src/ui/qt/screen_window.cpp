#include "ui/qt/screen_window.h"

#include <unistd.h>

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSet>
#include <QSocketNotifier>
#include <algorithm>
#include <utility>
#include <vector>

#include "device/mount_table.h"
#include "screens/screen_texts.h"
#include "screens/tab_order.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/text.h"
#include "ui/twips.h"

namespace ui::qt {
namespace {

using screens::Control;
using screens::ControlKind;

// The screens are laid out for Gulim. Where it is missing, Arial or its metric twin Liberation
// Sans stands in: a desktop's own font is often wider, and texts such as the clock's seconds would
// be cut off.
QFont Typeface(QFont font) {
  font.setFamilies(
      {QStringLiteral("Gulim"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  return font;
}

// A control's font at the window's scale; the window's own font (already scaled) for size 0.
QFont FontFor(const screens::Font& font, const QFont& window_font, double scale) {
  QFont result = window_font;
  if (font.points <= 0) return result;
  result.setPointSizeF(font.points * scale);
  result.setBold(font.bold);
  return result;
}

// Grows a one-line label to hold its text: a line's full height and the text's width. Fonts do not
// scale in step with the twips, so at some scales a line is taller, or a word wider, than the
// twips give. A centred label grows on both sides; a label made for several lines keeps its box.
void FitLabelToText(QLabel* label) {
  const QFontMetrics metrics(label->font());
  QRect place = label->geometry();
  if (place.height() >= 2 * metrics.height()) return;
  const int width = metrics.horizontalAdvance(label->text());
  if (width > place.width()) {
    if (label->alignment() & Qt::AlignHCenter)
      place.moveLeft(place.left() - (width - place.width()) / 2);
    place.setWidth(width);
  }
  place.setHeight(std::max(place.height(), metrics.height()));
  if (place != label->geometry()) label->setGeometry(place);
}

// Frames, buttons and labels with a buddy read "&" as the mark of a keyboard shortcut; the
// captions ("Date & Time") mean the sign itself.
QString ShownLiterally(QString caption) {
  return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// A text of the screens' tables as the language in use reads it.
QString Shown(std::string_view window, std::string_view control, std::string_view english) {
  return ToQString(screens::TranslatedScreenText({window, control, english}));
}

// A list's item or a label's caption from the screen's state.
QString ShownStateText(std::string_view window, std::string_view control, const std::string& text) {
  const auto translated = screens::TranslatedStateText({window, control, text});
  return translated ? ToQString(*translated) : FromDeviceText(text);
}

QWidget* CreateWidget(const Control& control, std::string_view window, QWidget* parent) {
  const QString caption = Shown(window, control.name, control.caption);
  switch (control.kind) {
    case ControlKind::kLabel:
      return new QLabel(caption, parent);
    case ControlKind::kTextBox: {
      auto* text_box = new QLineEdit(parent);
      text_box->setReadOnly(true);
      return text_box;
    }
    case ControlKind::kFrame:
      return new QGroupBox(ShownLiterally(caption), parent);
    case ControlKind::kOptionButton:
      return new QRadioButton(ShownLiterally(caption), parent);
    case ControlKind::kDropDownList: {
      auto* list = new QComboBox(parent);
      list->setEditable(false);
      return list;
    }
    case ControlKind::kButton:
      return new QPushButton(ShownLiterally(caption), parent);
  }
  return nullptr;
}

void SetLabelText(QLabel* label, const QString& text) {
  label->setText(label->buddy() == nullptr ? text : ShownLiterally(text));
}

}  // namespace

QString FromDeviceText(std::string_view bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

ScreenWindow::ScreenWindow(const screens::WindowLayout& layout) {
  setObjectName(ToQString(layout.name));
  setWindowTitle(Shown(layout.name, {}, layout.title));
  setAttribute(Qt::WA_DeleteOnClose, false);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);
  window_font_ = Typeface(font());
  layout_ = layout;

  timer_.setObjectName(QStringLiteral("Timer1"));
  timer_.setParent(this);
  Build(layout);
  FitToScreen();
}

QWidget* ScreenWindow::Widget(std::string_view name) const {
  return controls_.value(ToQString(name));
}

int ScreenWindow::Pixels(int twips) const {
  return TwipsToPixels(twips, logicalDpiY(), scale_);
}

// Where the window is taller or wider than its screen's available area, its whole layout (places,
// sizes and fonts) is scaled down until it fits, so that Start stays on screen.
void ScreenWindow::FitToScreen() {
  const QScreen* shown_on = screen();
  if (shown_on == nullptr) return;
  const QRect room = shown_on->availableGeometry();
  // Known once the window is shown, where the platform reports a frame at all.
  const QSize frame = frameGeometry().size() - geometry().size();
  const int dpi = logicalDpiY();
  const int height = state_.outer_height ? TwipsToPixels(*state_.outer_height, dpi) - frame.height()
                                         : TwipsToPixels(layout_.client_height, dpi);
  const double scale = FitScale(TwipsToPixels(layout_.client_width, dpi), height,
                                room.width() - frame.width(), room.height() - frame.height());
  if (scale == scale_) return;
  scale_ = scale;
  PlaceControls();
}

void ScreenWindow::PlaceControls() {
  QFont window_font = window_font_;
  if (scale_ != 1) window_font.setPointSizeF(window_font_.pointSizeF() * scale_);
  setFont(window_font);
  setFixedSize(Pixels(layout_.client_width), Pixels(layout_.client_height));
  for (const Control& control : layout_.controls) {
    QWidget* widget = Widget(control.name);
    const auto state = state_.controls.find(control.name);
    const bool moved = state != state_.controls.end() && state->second.top;
    widget->setGeometry(Pixels(control.left), Pixels(moved ? *state->second.top : control.top),
                        Pixels(control.width), Pixels(control.height));
    widget->setFont(FontFor(control.font, window_font, scale_));
    if (auto* label = qobject_cast<QLabel*>(widget)) FitLabelToText(label);
  }
  FitOuterHeight();
}

// Before it is first shown the window is moved inside its screen's available area; later the user
// decides where it stands.
void ScreenWindow::PlaceOnScreen() {
  const QScreen* shown_on = screen();
  if (shown_on == nullptr) return;
  const QRect room = shown_on->availableGeometry();
  const QRect outer = frameGeometry();
  const int left = std::max(room.left(), std::min(outer.left(), room.right() + 1 - outer.width()));
  const int top = std::max(room.top(), std::min(outer.top(), room.bottom() + 1 - outer.height()));
  if (left != outer.left() || top != outer.top()) move(left, top);
}

void ScreenWindow::Build(const screens::WindowLayout& layout) {
  // Containers first, so that every control is created inside its own container.
  std::vector<const Control*> ordered;
  for (const Control& control : layout.controls) {
    if (control.container.empty()) ordered.push_back(&control);
  }
  for (const Control& control : layout.controls) {
    if (!control.container.empty()) ordered.push_back(&control);
  }
  for (const Control* control : ordered) {
    QWidget* parent = control->container.empty() ? this : Widget(control->container);
    QWidget* widget = CreateWidget(*control, layout.name, parent);
    widget->setObjectName(ToQString(control->name));
    controls_.insert(widget->objectName(), widget);
    if (auto* button = qobject_cast<QRadioButton*>(widget)) {
      connect(button, &QRadioButton::toggled, this, [parent](bool checked) {
        if (checked) MakeTheChoiceTheTabStop(parent);
      });
    }
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
      connect(list, &QComboBox::currentIndexChanged, this,
              [list] { DescribeTheShownChoice(list); });
    }
  }
  // A caption label names its list, so that a screen reader announces the list by the caption.
  for (const Control& control : layout.controls) {
    auto* label = qobject_cast<QLabel*>(Widget(control.name));
    if (label == nullptr || control.buddy.empty()) continue;
    label->setBuddy(Widget(control.buddy));
    SetLabelText(label, Shown(layout.name, control.name, control.caption));
  }
  // Places, sizes and fonts, once every label has its text to fit.
  PlaceControls();

  // A frame's option buttons stand together at the frame's place, so that the one of them that
  // is a Tab stop (MakeTheChoiceTheTabStop) is reached where a Windows dialog reaches the group.
  const std::vector<const Control*> tab_order = screens::TabOrder(layout);
  for (std::size_t i = 1; i < tab_order.size(); ++i) {
    setTabOrder(Widget(tab_order[i - 1]->name), Widget(tab_order[i]->name));
  }
  if (!tab_order.empty()) Widget(tab_order.front()->name)->setFocus();
}

void ScreenWindow::Apply(const screens::ScreenState& state) {
  state_ = state;
  if (auto* text_box = qobject_cast<QLineEdit*>(Widget("Text1"))) {
    text_box->setText(FromDeviceText(state.version_text));
    text_box->setCursorPosition(0);  // a text wider than the box shows its beginning
  }
  for (const auto& [name, control_state] : state.controls) {
    QWidget* widget = Widget(name);
    if (widget == nullptr) continue;
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
      list->clear();
      for (const auto& item : control_state.items) {
        list->addItem(ShownStateText(layout_.name, name, item));
      }
      list->setPlaceholderText(FromDeviceText(control_state.unlisted_text));
      list->setCurrentIndex(control_state.current.value_or(-1));
      DescribeTheShownChoice(list);
    }
    if (auto* button = qobject_cast<QRadioButton*>(widget)) {
      button->setChecked(control_state.selected);
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (control_state.caption) {
        SetLabelText(label, ShownStateText(layout_.name, name, *control_state.caption));
      }
      if (control_state.centred) label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    }
    if (control_state.top) widget->move(widget->x(), Pixels(*control_state.top));
    if (auto* label = qobject_cast<QLabel*>(widget)) FitLabelToText(label);
    widget->setVisible(control_state.visible);
    // A hidden control is also disabled, so that nothing can choose it.
    widget->setEnabled(control_state.enabled && control_state.visible);
  }
  QSet<QWidget*> option_groups;
  for (QWidget* widget : std::as_const(controls_)) {
    if (qobject_cast<QRadioButton*>(widget)) option_groups.insert(widget->parentWidget());
  }
  for (QWidget* group : option_groups) MakeTheChoiceTheTabStop(group);
  FitToScreen();
  if (isVisible()) FitOuterHeight();
}

screens::ScreenState ScreenWindow::CurrentState() const {
  screens::ScreenState state = state_;
  for (auto& [name, control_state] : state.controls) {
    QWidget* widget = Widget(name);
    if (auto* button = qobject_cast<QRadioButton*>(widget)) {
      control_state.selected = button->isChecked();
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
      const int index = list->currentIndex();
      control_state.current = index >= 0 ? std::optional<int>(index) : std::nullopt;
    }
  }
  return state;
}

void ScreenWindow::SetText(std::string_view control, std::string_view utf8) {
  if (auto* label = qobject_cast<QLabel*>(Widget(control))) {
    SetLabelText(label, ToQString(utf8));
    FitLabelToText(label);
  }
}

void ScreenWindow::OnClick(std::string_view control, std::function<void()> handler) {
  if (auto* button = qobject_cast<QAbstractButton*>(Widget(control))) {
    connect(button, &QAbstractButton::clicked, this, [handler = std::move(handler)] { handler(); });
  }
}

void ScreenWindow::OnClosedByUser(std::function<void()> handler) {
  closed_by_user_ = std::move(handler);
}

void ScreenWindow::OnDrivesChanged(std::function<void()> handler) {
  // The mount table's POLLPRI is a socket notifier's exception.
  const int mount_table = device::OpenMountTableChanges();
  if (mount_table < 0) return;
  auto* notifier = new QSocketNotifier(mount_table, QSocketNotifier::Exception, this);
  connect(notifier, &QSocketNotifier::activated, this,
          [handler = std::move(handler)] { handler(); });
  connect(notifier, &QObject::destroyed, [mount_table] { ::close(mount_table); });
}

void ScreenWindow::StartTimer(int interval_ms, std::function<void()> tick) {
  connect(&timer_, &QTimer::timeout, this, [tick = std::move(tick)] { tick(); });
  timer_.start(interval_ms);
}

void ScreenWindow::Close() {
  closing_by_program_ = true;
  timer_.stop();
  close();
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
  timer_.stop();
  event->accept();
  if (!closing_by_program_ && closed_by_user_) closed_by_user_();
}

void ScreenWindow::keyPressEvent(QKeyEvent* event) {
  // Escape closes the window as its close box does; an open list takes it first, to close.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  if (!PressFocusedButton(this, *event)) QWidget::keyPressEvent(event);
}

void ScreenWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FitToScreen();
  FitOuterHeight();
  if (!placed_) PlaceOnScreen();
  placed_ = true;
}

// A window manager reports the frame around a window only after it has placed it.
void ScreenWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  FitToScreen();
  FitOuterHeight();
}

void ScreenWindow::FitOuterHeight() {
  if (!state_.outer_height) return;
  // The outer height includes the title bar and borders; where the platform reports no frame
  // (offscreen, some window managers before mapping), the client area takes the whole height.
  const int frame = std::max(0, frameGeometry().height() - geometry().height());
  setFixedHeight(Pixels(*state_.outer_height) - frame);
}

}  // namespace ui::qt
