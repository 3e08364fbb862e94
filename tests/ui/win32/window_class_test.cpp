#include "ui/win32/window_class.h"

#include <gtest/gtest.h>

namespace {

LRESULT CALLBACK FirstProcedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  return ::DefWindowProcW(window, message, w_param, l_param);
}

LRESULT CALLBACK SecondProcedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  return ::DefWindowProcW(window, message, w_param, l_param);
}

WNDPROC ProcedureOf(const wchar_t* name) {
  WNDCLASSEXW found{};
  found.cbSize = sizeof found;
  return ::GetClassInfoExW(::GetModuleHandleW(nullptr), name, &found) ? found.lpfnWndProc : nullptr;
}

// A class is registered once in the process: asked for again, even with another procedure, it is
// the first one; one of the same name that something else registered serves as well. Either way
// the name returned makes windows.
TEST(WindowClassTest, EachNameIsRegisteredOnceAndOneMadeElsewhereServes) {
  const struct {
    const char* row;
    const wchar_t* name;
    bool made_elsewhere;
  } rows[] = {{"new", L"DtcTestClassNew", false}, {"made elsewhere", L"DtcTestClassOther", true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.row);
    if (row.made_elsewhere) {
      WNDCLASSEXW elsewhere{};
      elsewhere.cbSize = sizeof elsewhere;
      elsewhere.lpfnWndProc = FirstProcedure;
      elsewhere.hInstance = ::GetModuleHandleW(nullptr);
      elsewhere.lpszClassName = row.name;
      ASSERT_NE(::RegisterClassExW(&elsewhere), 0);
    } else {
      EXPECT_EQ(ui::win32::RegisterWindowClass({.name = row.name, .procedure = FirstProcedure}),
                row.name);
    }
    const wchar_t* again =
        ui::win32::RegisterWindowClass({.name = row.name, .procedure = SecondProcedure});
    ASSERT_EQ(again, row.name);
    EXPECT_EQ(ProcedureOf(row.name), &FirstProcedure);
    const HWND window = ::CreateWindowExW(0, again, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                          ::GetModuleHandleW(nullptr), nullptr);
    EXPECT_NE(window, nullptr);
    ::DestroyWindow(window);
  }
}

}  // namespace
