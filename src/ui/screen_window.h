#pragma once

#include <QHash>
#include <QString>
#include <QTimer>
#include <QWidget>

class QLabel;

#include "device/clock.h"
#include "screens/layout.h"
#include "screens/screen_state.h"

namespace ui {

// A window built from a screen's layout at its twips geometry, mirroring a screen state. Each
// control's objectName is its control name, so code and tests find it with findChild.
class ScreenWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ScreenWindow(const screens::WindowLayout& layout);

  // Shows the loaded state: the version text in Text1, visibility, greying, selections, list
  // items, renamed labels, moved controls and the outer height.
  void Apply(const screens::ScreenState& state);
  // The applied state with the selections the user has made since.
  screens::ScreenState CurrentState() const;

  // Refreshes the clock label Label1 from `clock` every 100 ms.
  void StartLiveClock(const device::Clock& clock);
  bool LiveClockRunning() const { return timer_.isActive(); }

  // Closes the window without reporting it as closed by the user.
  void CloseByProgram();

  QWidget* Widget(const QString& name) const { return controls_.value(name); }
  int Pixels(int twips) const;

 signals:
  void closedByUser();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void Build(const screens::WindowLayout& layout);
  void FitOuterHeight();

  QHash<QString, QWidget*> controls_;
  screens::ScreenState state_;
  QTimer timer_;
  const device::Clock* clock_ = nullptr;
  QLabel* clock_label_ = nullptr;  // Label1, refreshed on every tick
  bool closing_by_program_ = false;
};

// Text of the settings line (bytes) as shown on screen: one byte is one character.
QString FromDeviceText(std::string_view bytes);

}  // namespace ui
