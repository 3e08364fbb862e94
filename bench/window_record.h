#pragma once

#include <QDataStream>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QLabel;
class QPushButton;
class QWidget;

namespace bench {

// One child widget of a shown window, as plain Qt values.
struct WidgetRecord {
  enum Kind : qint32 { kLabel, kLineEdit, kGroupBox, kRadioButton, kComboBox, kPushButton };
  qint32 kind = kLabel;
  qint32 parent = -1;  // index of its group box, or -1 for the window
  QRect geometry;
  QString text;
  // The font as values: a bare window makes its own fonts rather than share the program's.
  QStringList font_families;
  double font_points = 0;
  qint32 font_weight = 0;
  bool hidden = false;
  bool enabled = true;
  bool checked = false;
  QStringList items;
  qint32 current = -1;
  qint32 alignment = 0;
};

// The widget tree of a window: what a bare window must hold to show the same thing.
struct WindowRecord {
  QString title;
  QSize size;
  std::vector<WidgetRecord> widgets;
  qint32 clock_label = -1;   // the widget named Label1
  qint32 start_button = -1;  // the widget named Command1
};

// Reads the widget tree of a shown window. Every child must be of a kind that WidgetRecord knows.
WindowRecord Capture(const QWidget& window);

// A window holding the same widgets, made with plain Qt calls and not yet shown.
struct BareWindow {
  std::unique_ptr<QWidget> window;
  QLabel* clock_label = nullptr;
  QPushButton* start_button = nullptr;
};
BareWindow BuildBare(const WindowRecord& record);

QDataStream& operator<<(QDataStream& out, const WindowRecord& record);
QDataStream& operator>>(QDataStream& in, WindowRecord& record);

}  // namespace bench
