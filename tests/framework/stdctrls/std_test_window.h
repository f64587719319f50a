// Test support for the standard controls: a plain top-level window to stand controls on, and
// input delivered as the platform delivers it (the messages a click or a key press produces,
// posted to the window and dispatched without translating keys: the tests post the WM_CHAR a
// key produces themselves).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/win32/win_control.h"

namespace stdtest {

// An overlapped top-level window, shown at once; its children take its client area.
class TestWindow : public fw::TWinControl {
 public:
  explicit TestWindow(int width = 420, int height = 320);
  ~TestWindow() override;
  RECT ClientRect() const override;

 protected:
  void CreateParamsFor(fw::CreateParams& params) override;
  // The client area is known once the window exists: aligned children take their places.
  void WindowCreated() override { AlignControls(); }
};

// The top-level window the tests of a program share. Made once: under Wine without a window
// manager, taking a top-level window down waits two seconds for the display.
TestWindow& SharedWindow();

// A child window over the whole client area of a top-level window (by default the shared
// one), for one test's controls; it takes them along when it goes.
class Stage : public fw::TWinControl {
 public:
  explicit Stage(fw::TWinControl* top = nullptr);
  ~Stage() override;
};

// A left click at a point of the window's client area: button down, button up.
void Click(HWND hwnd, int x = 4, int y = 4);
// A key pressed and released on the window: WM_KEYDOWN, WM_CHAR (when ch is not 0), WM_KEYUP.
void PressKey(HWND hwnd, UINT vk, char ch = 0);
// Each character typed as a key press.
void Type(HWND hwnd, const std::string& text);

// A log of the events the tests record, in order.
using Log = std::vector<std::string>;

}  // namespace stdtest
