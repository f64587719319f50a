// The tool-tip window (comctl32 TOOLTIPS_CLASS) in which the program shows the short part of a
// hint: one tracking tool, placed and shown by the hint machinery.
#pragma once

#include <windows.h>
// (commctrl.h needs windows.h first)
#include <commctrl.h>

#include <string>

namespace fw {

class ToolTip {
 public:
  ToolTip() = default;
  ToolTip(const ToolTip&) = delete;
  ToolTip& operator=(const ToolTip&) = delete;
  ~ToolTip();

  // Shows text with the tip's top-left corner at the screen point.
  void Show(const std::string& text, POINT at);
  void Hide();
  HWND Handle() const { return tip_; }

 private:
  bool Create();
  TTTOOLINFOA Tool();

  HWND tip_ = nullptr;
  std::string text_;
  bool shown_ = false;
};

}  // namespace fw
