#pragma once

class QComboBox;
class QKeyEvent;
class QWidget;

namespace ui::qt {

// Enter or Return that reached the window unhandled presses the focused push button, as Space
// does: outside a dialog a Qt push button ignores Enter, where a Windows dialog presses it.
// Returns whether it did.
bool PressFocusedButton(QWidget* window, const QKeyEvent& key);

// Makes one option button of `container` its Tab stop, so that Tab enters the group at its
// choice, as in a Windows dialog, rather than at its first button: the checked button, or where
// it is hidden or greyed out (or none is checked), the first one that can be chosen. The others
// still take the focus from a click and from the arrow keys.
void MakeTheChoiceTheTabStop(QWidget* container);

// Puts what a list shows (its item, or the text it shows while none is selected) in its
// accessible description, so that a screen reader can say the choice: its name belongs to the
// caption, and Qt gives a list no value.
void DescribeTheShownChoice(QComboBox* list);

}  // namespace ui::qt
