#pragma once

#include <QString>

class QWidget;

namespace ui {

// The modal message box with one OK button. Tests put a recording one in its place, so that no
// test waits in a nested event loop.
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual void Show(const QString& text) = 0;
};

class ModalMessageBox : public MessageBox {
 public:
  void Show(const QString& text) override;
};

}  // namespace ui
