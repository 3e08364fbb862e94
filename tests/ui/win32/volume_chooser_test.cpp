#include "ui/win32/volume_chooser.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace {

UINT key_to_press = 0;
int ticks = 0;

// Fires in the chooser's own loop: presses the key on the control that has the focus, and closes
// the chooser should the key not have done so within 2 s.
void CALLBACK PressKey(HWND, UINT, UINT_PTR, DWORD) {
  ++ticks;
  if (ticks == 40) {
    ADD_FAILURE() << "the key did not close the chooser";
    ::PostMessageW(::FindWindowW(L"DtcVolumeChooser", nullptr), WM_CLOSE, 0, 0);
  }
  const HWND focus = ::GetFocus();
  if (key_to_press == 0 || focus == nullptr) return;
  const LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyW(key_to_press, MAPVK_VK_TO_VSC)) << 16;
  ::PostMessageW(focus, WM_KEYDOWN, key_to_press, scan | 1);
  ::PostMessageW(focus, WM_KEYUP, key_to_press, scan | 1 | (LPARAM{3} << 30));
  key_to_press = 0;
}

// The keyboard in the recorder chooser: Enter takes the chosen row, Escape none, as Cancel.
TEST(Win32VolumeChooserTest, EnterTakesTheChosenRowAndEscapeNone) {
  const std::vector<device::Volume> volumes = {{L"E:\\", "REC"}, {L"F:\\", ""}};
  for (const auto& [key, chosen] : {std::pair{VK_RETURN, std::optional<std::size_t>(0)},
                                    std::pair{VK_ESCAPE, std::optional<std::size_t>()}}) {
    SCOPED_TRACE(key == VK_ESCAPE ? "Escape" : "Enter");
    key_to_press = key;
    ticks = 0;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, PressKey);
    EXPECT_EQ(ui::win32::ChooseVolumeModal(nullptr, volumes), chosen);
    ::KillTimer(nullptr, timer);
  }
}

}  // namespace
