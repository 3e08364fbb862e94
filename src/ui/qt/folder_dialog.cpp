#include "ui/qt/folder_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>

namespace ui::qt {

FolderDialog::FolderDialog(const QString& title, const QString& start, QWidget* parent)
    : QFileDialog(parent, title, start) {
  setOption(QFileDialog::DontUseNativeDialog);
  setOption(QFileDialog::ShowDirsOnly);
  setFileMode(QFileDialog::Directory);
  // The line that a path is typed in; Qt has named it so since Qt 4.
  line_ = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  if (line_ != nullptr) line_->installEventFilter(this);
}

bool FolderDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == line_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && line_->text().isEmpty()) return true;
  }
  return QFileDialog::eventFilter(watched, event);
}

void FolderDialog::accept() {
  const QString typed = line_ != nullptr ? line_->text() : QString();
  if (!typed.isEmpty()) {
    const QFileInfo folder(directory().filePath(typed));
    if (folder.isDir()) {
      typed_folder_ = QDir::cleanPath(folder.absoluteFilePath());
      QDialog::accept();
      return;
    }
  }
  // Nothing typed, or text that names no folder: QFileDialog's own way, which takes the folder
  // picked in the list or else the one shown, expands "~" and says when a folder does not exist.
  typed_folder_.clear();
  QFileDialog::accept();
}

std::optional<QString> FolderDialog::Chosen() const {
  if (result() != QDialog::Accepted) return std::nullopt;
  if (!typed_folder_.isEmpty()) return typed_folder_;
  const QStringList selected = selectedFiles();
  if (selected.isEmpty() || selected.front().isEmpty()) return std::nullopt;
  return selected.front();
}

}  // namespace ui::qt
