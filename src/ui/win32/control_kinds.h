#pragma once

#include <functional>
#include <string>

#include "ui/win32/native_control.h"

namespace ui::win32 {

// A caption, or a text the screen sets (the clock, the list of drives).
class Label final : public NativeControl {
 public:
  using NativeControl::NativeControl;
  // A line's full height, and a one-line text's width: fonts do not scale in step with the
  // twips, and at 120 or 144 DPI a line is taller, and a word wider, than the twips give.
  void FitToText(HFONT font, RECT& place) const override;
  bool GrowsWithText() const override { return true; }
  void Apply(const screens::ControlState& state) override;

 private:
  HWND Make(HWND parent, int id, const RECT& place, HFONT font, bool first_in_group) override;
};

// The read-only version box.
class TextBox final : public NativeControl {
 public:
  using NativeControl::NativeControl;
  void Command(int code) override;

 private:
  HWND Make(HWND parent, int id, const RECT& place, HFONT font, bool first_in_group) override;
  void SetFont(HFONT font) override;
};

// A container window (so that hiding it hides what it holds, and its option buttons form their
// own exclusive group) holding a group box that draws it.
class Frame final : public NativeControl {
 public:
  using NativeControl::NativeControl;
  // Once what it holds is made: the box is drawn beneath it.
  void PutBoxBeneathContents();
  HWND group_box() const { return group_box_; }

 private:
  HWND Make(HWND parent, int id, const RECT& place, HFONT font, bool first_in_group) override;
  void SetFont(HFONT font) override;
  void Move(const RECT& place, HFONT font) override;
  HWND group_box_ = nullptr;
};

class OptionButton final : public NativeControl {
 public:
  using NativeControl::NativeControl;
  void Apply(const screens::ControlState& state) override;
  void Read(screens::ControlState& state) const override;
  void Command(int code) override;
  // Called when a click leaves it selected.
  void OnSelected(std::function<void()> handler) { selected_ = std::move(handler); }
  bool Selected() const;
  void Deselect();

 private:
  HWND Make(HWND parent, int id, const RECT& place, HFONT font, bool first_in_group) override;
  std::function<void()> selected_;
};

class PushButton final : public NativeControl {
 public:
  using NativeControl::NativeControl;
  void Command(int code) override;
  void OnClick(std::function<void()> handler) { click_ = std::move(handler); }

 private:
  HWND Make(HWND parent, int id, const RECT& place, HFONT font, bool first_in_group) override;
  std::function<void()> click_;
};

// A drop-down list; while none of its items is selected it shows its unlisted text (a value of
// the settings line that no item stands for).
class DropDownList final : public NativeControl {
 public:
  using NativeControl::NativeControl;
  void Apply(const screens::ControlState& state) override;
  void Read(screens::ControlState& state) const override;
  const std::wstring& unlisted_text() const { return unlisted_text_; }

 private:
  HWND Make(HWND parent, int id, const RECT& place, HFONT font, bool first_in_group) override;
  void FitToPlace(const RECT& place) override;
  void Move(const RECT& place, HFONT font) override;
  static LRESULT CALLBACK Procedure(HWND list, UINT message, WPARAM w_param, LPARAM l_param,
                                    UINT_PTR, DWORD_PTR reference);
  std::wstring unlisted_text_;
};

}  // namespace ui::win32
