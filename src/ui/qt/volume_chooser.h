#pragma once

#include <QDialog>
#include <cstddef>
#include <optional>
#include <vector>

#include "device/root_search.h"

class QListWidget;

namespace ui::qt {

// The dialog: one row per volume, "mount point (label)", the first row chosen; OK or a double
// click takes the chosen row, Cancel or closing the dialog takes none.
class VolumeChooserDialog : public QDialog {
  Q_OBJECT

 public:
  explicit VolumeChooserDialog(const std::vector<device::Volume>& volumes,
                               QWidget* parent = nullptr);

  // The chosen row once the dialog was accepted; none otherwise.
  std::optional<std::size_t> Chosen() const;

 private:
  QListWidget* list_;
};

// How a volume appears in the list.
QString VolumeText(const device::Volume& volume);

}  // namespace ui::qt
