#include "ui/qt/volume_chooser.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "language/language.h"
#include "screens/program_text.h"
#include "ui/qt/text.h"

namespace ui::qt {

QString VolumeText(const device::Volume& volume) {
  const QString mount_point = QString::fromStdString(volume.mount_point.string());
  if (volume.label.empty()) return mount_point;
  return QStringLiteral("%1 (%2)").arg(mount_point, QString::fromStdString(volume.label));
}

VolumeChooserDialog::VolumeChooserDialog(const std::vector<device::Volume>& volumes,
                                         QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
  setObjectName(QStringLiteral("VolumeChooser"));
  setWindowTitle(ToQString(screens::kProgramName));

  auto* prompt = new QLabel(ToQString(language::Translate(screens::kChooseVolumePrompt)), this);
  prompt->setObjectName(QStringLiteral("VolumePrompt"));
  list_->setObjectName(QStringLiteral("VolumeList"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (const device::Volume& volume : volumes) list_->addItem(VolumeText(volume));
  if (list_->count() > 0) list_->setCurrentRow(0);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
  // Qt's own buttons speak English: the program carries no translations of Qt.
  buttons->button(QDialogButtonBox::Ok)
      ->setText(ToQString(language::Translate(screens::kOkCaption)));
  buttons->button(QDialogButtonBox::Cancel)
      ->setText(ToQString(language::Translate(screens::kCancelCaption)));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(list_);
  layout->addWidget(buttons);
}

std::optional<std::size_t> VolumeChooserDialog::Chosen() const {
  if (result() != QDialog::Accepted || list_->currentRow() < 0) return std::nullopt;
  return static_cast<std::size_t>(list_->currentRow());
}

}  // namespace ui::qt
