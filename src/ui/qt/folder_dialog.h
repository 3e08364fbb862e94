#pragma once

#include <QFileDialog>
#include <QPointer>
#include <QString>
#include <optional>

class QLineEdit;

namespace ui::qt {

// Qt's own folder dialog, never the desktop's: the folders in `start`, a line to type a folder's
// path in (absolute, or relative to the folder shown) and Choose.
// - What the line names, when it names a folder, is the folder taken. QFileDialog itself takes the
//   folder selected in its list before the typed one, and that selection follows the typing only
//   while the line has the keyboard focus.
// - Return in the empty line chooses nothing. Keys typed before the dialog has become the active
//   window (it does so a moment after it shows) go to the window behind it: the path is lost,
//   and QFileDialog would take the Return that follows as Choose on the folder it shows. Choose
//   itself still takes the folder shown, or the one picked in the list.
class FolderDialog : public QFileDialog {
  Q_OBJECT

 public:
  FolderDialog(const QString& title, const QString& start, QWidget* parent = nullptr);

  // The folder taken once the dialog was accepted, as an absolute path; none otherwise.
  std::optional<QString> Chosen() const;

 public slots:
  void accept() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QLineEdit> line_;
  QString typed_folder_;
};

}  // namespace ui::qt
