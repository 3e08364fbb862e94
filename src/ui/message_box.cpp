#include "ui/message_box.h"

#include <QMessageBox>

namespace ui {

void ModalMessageBox::Show(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("date_time.cfg Creator"), text,
                  QMessageBox::Ok);
  box.exec();
}

}  // namespace ui
