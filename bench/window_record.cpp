#include "window_record.h"

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <stdexcept>

namespace bench {
namespace {

WidgetRecord Describe(const QWidget& widget, qint32 parent) {
  WidgetRecord record;
  record.parent = parent;
  record.geometry = widget.geometry();
  record.font_families = widget.font().families();
  record.font_points = widget.font().pointSizeF();
  record.font_weight = widget.font().weight();
  record.hidden = widget.isHidden();
  record.enabled = widget.isEnabled();
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    record.kind = WidgetRecord::kLabel;
    record.text = label->text();
    record.alignment = static_cast<qint32>(label->alignment());
  } else if (const auto* line_edit = qobject_cast<const QLineEdit*>(&widget)) {
    record.kind = WidgetRecord::kLineEdit;
    record.text = line_edit->text();
  } else if (const auto* group_box = qobject_cast<const QGroupBox*>(&widget)) {
    record.kind = WidgetRecord::kGroupBox;
    record.text = group_box->title();
  } else if (const auto* radio = qobject_cast<const QRadioButton*>(&widget)) {
    record.kind = WidgetRecord::kRadioButton;
    record.text = radio->text();
    record.checked = radio->isChecked();
  } else if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
    record.kind = WidgetRecord::kComboBox;
    for (int i = 0; i < combo->count(); ++i) record.items << combo->itemText(i);
    record.current = combo->currentIndex();
  } else if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
    record.kind = WidgetRecord::kPushButton;
    record.text = button->text();
  } else {
    throw std::runtime_error("no bare counterpart for a " +
                             std::string(widget.metaObject()->className()));
  }
  return record;
}

void CaptureChildren(const QWidget& container, qint32 parent, WindowRecord& record) {
  for (const QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const auto index = static_cast<qint32>(record.widgets.size());
    record.widgets.push_back(Describe(*child, parent));
    if (child->objectName() == QLatin1String("Label1")) record.clock_label = index;
    if (child->objectName() == QLatin1String("Command1")) record.start_button = index;
    if (qobject_cast<const QGroupBox*>(child)) CaptureChildren(*child, index, record);
  }
}

QWidget* Create(const WidgetRecord& record, QWidget* parent) {
  switch (record.kind) {
    case WidgetRecord::kLabel: {
      auto* label = new QLabel(record.text, parent);
      label->setAlignment(static_cast<Qt::Alignment>(record.alignment));
      return label;
    }
    case WidgetRecord::kLineEdit: {
      auto* line_edit = new QLineEdit(record.text, parent);
      line_edit->setReadOnly(true);
      line_edit->setCursorPosition(0);
      return line_edit;
    }
    case WidgetRecord::kGroupBox:
      return new QGroupBox(record.text, parent);
    case WidgetRecord::kRadioButton: {
      auto* radio = new QRadioButton(record.text, parent);
      radio->setChecked(record.checked);
      return radio;
    }
    case WidgetRecord::kComboBox: {
      auto* combo = new QComboBox(parent);
      combo->addItems(record.items);
      combo->setCurrentIndex(record.current);
      return combo;
    }
    case WidgetRecord::kPushButton:
      return new QPushButton(record.text, parent);
  }
  return nullptr;
}

}  // namespace

WindowRecord Capture(const QWidget& window) {
  WindowRecord record;
  record.title = window.windowTitle();
  record.size = window.size();
  CaptureChildren(window, -1, record);
  return record;
}

BareWindow BuildBare(const WindowRecord& record) {
  BareWindow bare;
  bare.window = std::make_unique<QWidget>();
  QWidget& window = *bare.window;
  window.setWindowTitle(record.title);
  QPalette white = window.palette();
  white.setColor(QPalette::Window, Qt::white);
  window.setPalette(white);
  window.setAutoFillBackground(true);
  window.setFixedSize(record.size);

  std::vector<QWidget*> made;
  made.reserve(record.widgets.size());
  for (const WidgetRecord& widget_record : record.widgets) {
    QWidget* parent = widget_record.parent < 0 ? &window : made[widget_record.parent];
    QWidget* widget = Create(widget_record, parent);
    widget->setGeometry(widget_record.geometry);
    QFont font;
    font.setFamilies(widget_record.font_families);
    font.setPointSizeF(widget_record.font_points);
    font.setWeight(static_cast<QFont::Weight>(widget_record.font_weight));
    widget->setFont(font);
    if (widget_record.hidden) widget->hide();
    if (!widget_record.enabled) widget->setEnabled(false);
    made.push_back(widget);
  }
  if (record.clock_label >= 0) bare.clock_label = qobject_cast<QLabel*>(made[record.clock_label]);
  if (record.start_button >= 0) {
    bare.start_button = qobject_cast<QPushButton*>(made[record.start_button]);
  }
  return bare;
}

QDataStream& operator<<(QDataStream& out, const WindowRecord& record) {
  out << record.title << record.size << static_cast<qint32>(record.widgets.size());
  for (const WidgetRecord& w : record.widgets) {
    out << w.kind << w.parent << w.geometry << w.text << w.font_families << w.font_points
        << w.font_weight << w.hidden << w.enabled << w.checked << w.items << w.current
        << w.alignment;
  }
  return out << record.clock_label << record.start_button;
}

QDataStream& operator>>(QDataStream& in, WindowRecord& record) {
  qint32 count = 0;
  in >> record.title >> record.size >> count;
  record.widgets.resize(static_cast<std::size_t>(std::max(count, 0)));
  for (WidgetRecord& w : record.widgets) {
    in >> w.kind >> w.parent >> w.geometry >> w.text >> w.font_families >> w.font_points >>
        w.font_weight >> w.hidden >> w.enabled >> w.checked >> w.items >> w.current >> w.alignment;
  }
  return in >> record.clock_label >> record.start_button;
}

}  // namespace bench
