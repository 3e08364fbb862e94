#include "ui/qt/accessibility.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

namespace ui::qt {

bool PressFocusedButton(QWidget* window, const QKeyEvent& key) {
  if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) return false;
  auto* button = qobject_cast<QPushButton*>(window->focusWidget());
  if (button == nullptr || !button->isEnabled()) return false;
  button->click();
  return true;
}

void MakeTheChoiceTheTabStop(QWidget* container) {
  const QList<QRadioButton*> buttons =
      container->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
  // Not isVisible(): the window may not be shown yet.
  const auto can_be_chosen = [](const QRadioButton* button) {
    return button->isEnabled() && !button->isHidden();
  };
  const QRadioButton* stop = nullptr;
  for (const QRadioButton* button : buttons) {
    if (button->isChecked() && can_be_chosen(button)) stop = button;
  }
  for (const QRadioButton* button : buttons) {
    if (stop == nullptr && can_be_chosen(button)) stop = button;
  }
  for (QRadioButton* button : buttons) {
    button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

void DescribeTheShownChoice(QComboBox* list) {
  list->setAccessibleDescription(list->currentIndex() < 0 ? list->placeholderText()
                                                          : list->currentText());
}

}  // namespace ui::qt
