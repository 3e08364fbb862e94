#pragma once

#include <QDialog>
#include <cstddef>
#include <optional>
#include <vector>

#include "device/root_search.h"

class QListWidget;

namespace ui {

// Asks the user which of several recorders to work on. Tests put a scripted one in its place, so
// that no test waits in a nested event loop.
class VolumeChooser {
 public:
  virtual ~VolumeChooser() = default;
  // The position of the chosen volume, or none when the user cancels.
  virtual std::optional<std::size_t> Choose(const std::vector<device::Volume>& volumes) = 0;
};

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

class ModalVolumeChooser : public VolumeChooser {
 public:
  std::optional<std::size_t> Choose(const std::vector<device::Volume>& volumes) override;
};

// How a volume appears in the list.
QString VolumeText(const device::Volume& volume);

}  // namespace ui
