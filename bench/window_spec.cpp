#include "window_spec.h"

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

WidgetSpec Describe(const QWidget& widget, qint32 parent) {
  WidgetSpec spec;
  spec.parent = parent;
  spec.geometry = widget.geometry();
  spec.font_families = widget.font().families();
  spec.font_points = widget.font().pointSizeF();
  spec.font_weight = widget.font().weight();
  spec.hidden = widget.isHidden();
  spec.enabled = widget.isEnabled();
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    spec.kind = WidgetSpec::kLabel;
    spec.text = label->text();
    spec.alignment = static_cast<qint32>(label->alignment());
  } else if (const auto* line_edit = qobject_cast<const QLineEdit*>(&widget)) {
    spec.kind = WidgetSpec::kLineEdit;
    spec.text = line_edit->text();
  } else if (const auto* group_box = qobject_cast<const QGroupBox*>(&widget)) {
    spec.kind = WidgetSpec::kGroupBox;
    spec.text = group_box->title();
  } else if (const auto* radio = qobject_cast<const QRadioButton*>(&widget)) {
    spec.kind = WidgetSpec::kRadioButton;
    spec.text = radio->text();
    spec.checked = radio->isChecked();
  } else if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
    spec.kind = WidgetSpec::kComboBox;
    for (int i = 0; i < combo->count(); ++i) spec.items << combo->itemText(i);
    spec.current = combo->currentIndex();
  } else if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
    spec.kind = WidgetSpec::kPushButton;
    spec.text = button->text();
  } else {
    throw std::runtime_error("no bare counterpart for a " +
                             std::string(widget.metaObject()->className()));
  }
  return spec;
}

void CaptureChildren(const QWidget& container, qint32 parent, WindowSpec& spec) {
  for (const QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const auto index = static_cast<qint32>(spec.widgets.size());
    spec.widgets.push_back(Describe(*child, parent));
    if (child->objectName() == QLatin1String("Label1")) spec.clock_label = index;
    if (child->objectName() == QLatin1String("Command1")) spec.start_button = index;
    if (qobject_cast<const QGroupBox*>(child)) CaptureChildren(*child, index, spec);
  }
}

QWidget* Create(const WidgetSpec& spec, QWidget* parent) {
  switch (spec.kind) {
    case WidgetSpec::kLabel: {
      auto* label = new QLabel(spec.text, parent);
      label->setAlignment(static_cast<Qt::Alignment>(spec.alignment));
      return label;
    }
    case WidgetSpec::kLineEdit: {
      auto* line_edit = new QLineEdit(spec.text, parent);
      line_edit->setReadOnly(true);
      line_edit->setCursorPosition(0);
      return line_edit;
    }
    case WidgetSpec::kGroupBox:
      return new QGroupBox(spec.text, parent);
    case WidgetSpec::kRadioButton: {
      auto* radio = new QRadioButton(spec.text, parent);
      radio->setChecked(spec.checked);
      return radio;
    }
    case WidgetSpec::kComboBox: {
      auto* combo = new QComboBox(parent);
      combo->addItems(spec.items);
      combo->setCurrentIndex(spec.current);
      return combo;
    }
    case WidgetSpec::kPushButton:
      return new QPushButton(spec.text, parent);
  }
  return nullptr;
}

}  // namespace

WindowSpec Capture(const QWidget& window) {
  WindowSpec spec;
  spec.title = window.windowTitle();
  spec.size = window.size();
  CaptureChildren(window, -1, spec);
  return spec;
}

BareWindow BuildBare(const WindowSpec& spec) {
  BareWindow bare;
  bare.window = std::make_unique<QWidget>();
  QWidget& window = *bare.window;
  window.setWindowTitle(spec.title);
  QPalette white = window.palette();
  white.setColor(QPalette::Window, Qt::white);
  window.setPalette(white);
  window.setAutoFillBackground(true);
  window.setFixedSize(spec.size);

  std::vector<QWidget*> made;
  made.reserve(spec.widgets.size());
  for (const WidgetSpec& widget_spec : spec.widgets) {
    QWidget* parent = widget_spec.parent < 0 ? &window : made[widget_spec.parent];
    QWidget* widget = Create(widget_spec, parent);
    widget->setGeometry(widget_spec.geometry);
    QFont font;
    font.setFamilies(widget_spec.font_families);
    font.setPointSizeF(widget_spec.font_points);
    font.setWeight(static_cast<QFont::Weight>(widget_spec.font_weight));
    widget->setFont(font);
    if (widget_spec.hidden) widget->hide();
    if (!widget_spec.enabled) widget->setEnabled(false);
    made.push_back(widget);
  }
  if (spec.clock_label >= 0) bare.clock_label = qobject_cast<QLabel*>(made[spec.clock_label]);
  if (spec.start_button >= 0) {
    bare.start_button = qobject_cast<QPushButton*>(made[spec.start_button]);
  }
  return bare;
}

QDataStream& operator<<(QDataStream& out, const WindowSpec& spec) {
  out << spec.title << spec.size << static_cast<qint32>(spec.widgets.size());
  for (const WidgetSpec& w : spec.widgets) {
    out << w.kind << w.parent << w.geometry << w.text << w.font_families << w.font_points
        << w.font_weight << w.hidden << w.enabled << w.checked << w.items << w.current
        << w.alignment;
  }
  return out << spec.clock_label << spec.start_button;
}

QDataStream& operator>>(QDataStream& in, WindowSpec& spec) {
  qint32 count = 0;
  in >> spec.title >> spec.size >> count;
  spec.widgets.resize(static_cast<std::size_t>(std::max(count, 0)));
  for (WidgetSpec& w : spec.widgets) {
    in >> w.kind >> w.parent >> w.geometry >> w.text >> w.font_families >> w.font_points >>
        w.font_weight >> w.hidden >> w.enabled >> w.checked >> w.items >> w.current >> w.alignment;
  }
  return in >> spec.clock_label >> spec.start_button;
}

}  // namespace bench
