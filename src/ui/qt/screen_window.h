#pragma once

#include <QFont>
#include <QHash>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string_view>

#include "app/front_end.h"
#include "screens/layout.h"
#include "screens/screen_state.h"

namespace ui::qt {

// A window built from a screen's layout at its twips geometry, mirroring a screen state. Each
// control's objectName is its control name, so code and tests find it with findChild.
class ScreenWindow : public QWidget, public app::Window {
  Q_OBJECT

 public:
  explicit ScreenWindow(const screens::WindowLayout& layout);

  void Apply(const screens::ScreenState& state) override;
  screens::ScreenState CurrentState() const override;
  void SetText(std::string_view control, std::string_view utf8) override;

  void OnClick(std::string_view control, std::function<void()> handler) override;
  void OnClosedByUser(std::function<void()> handler) override;
  void StartTimer(int interval_ms, std::function<void()> tick) override;
  bool TimerRunning() const override { return timer_.isActive(); }
  void OnDrivesChanged(std::function<void()> handler) override;

  void Show() override { show(); }
  void Close() override;

  QWidget* Widget(std::string_view name) const;
  // Pixels for a length in twips at the window's resolution and scale.
  int Pixels(int twips) const;
  // The share of its size the window is shown at to fit its screen (1 where it fits).
  double scale() const { return scale_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void Build(const screens::WindowLayout& layout);
  void FitOuterHeight();
  void FitToScreen();
  void PlaceControls();
  void PlaceOnScreen();

  screens::WindowLayout layout_;
  QFont window_font_;  // at scale 1
  double scale_ = 1;
  bool placed_ = false;
  QHash<QString, QWidget*> controls_;
  screens::ScreenState state_;
  QTimer timer_;
  std::function<void()> closed_by_user_;
  bool closing_by_program_ = false;
};

// Text of the settings line (bytes) as shown on screen: one byte is one character.
QString FromDeviceText(std::string_view bytes);

}  // namespace ui::qt
