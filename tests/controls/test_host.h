// A top-level window for the control tests, and the messages that the platform sends when the
// user clicks or types, so that controls are driven the way a real session drives them.
#pragma once

#include <windows.h>

#include "framework/win32/win_control.h"

namespace gv {

// A surface for the controls of one test. Made with attach set, it is a child of one shown
// top-level window that lives as long as the test program (under Wine without a window
// manager, destroying a shown top-level window costs two seconds); otherwise it is a hidden
// top-level window of its own.
class TestHost : public fw::TWinControl {
 public:
  FW_CLASS()
  explicit TestHost(fw::Component* owner = nullptr);
  static TestHost* Attached();  // a new surface on the shared window

 protected:
  void CreateParamsFor(fw::CreateParams& params) override;
};

// Left-button press, pointer move and release at client coordinates of a window.
void PressAt(HWND hwnd, int x, int y);
void MoveTo(HWND hwnd, int x, int y);
void ReleaseAt(HWND hwnd, int x, int y);
void ClickAt(HWND hwnd, int x, int y);
// A click in the middle of a control, sent to its parent's window.
void ClickControl(fw::TControl* control);

// Characters as WM_CHAR messages to a window.
void Type(HWND hwnd, const char* text);

}  // namespace gv
