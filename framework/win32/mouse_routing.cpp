// Mouse input of a windowed control routed to the graphic control under the pointer (which
// keeps it while a button is held), and the pop-up menu of the control under the pointer.
#include <windowsx.h>

#include "framework/win32/popup_menu.h"
#include "framework/win32/win_control.h"

namespace fw {

bool TWinControl::HandleMouse(UINT msg, WPARAM, LPARAM lp) {
  POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  TControl* target = mouseCapture_;
  if (!target) target = ControlAtPos(p, false);
  if (!target) target = this;
  int x = target == this ? p.x : p.x - target->Left();
  int y = target == this ? p.y : p.y - target->Top();
  MouseButton button = (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONUP)   ? MouseButton::Right
                       : (msg == WM_MBUTTONDOWN || msg == WM_MBUTTONUP) ? MouseButton::Middle
                                                                        : MouseButton::Left;
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (target != this) {
        mouseCapture_ = target;
        SetCapture(handle_);
      }
      target->MouseDown(button, x, y);
      if (msg == WM_LBUTTONDBLCLK) target->DblClick();
      return true;
    case WM_MOUSEMOVE:
      target->MouseMove(x, y);
      return true;
    default:
      if (mouseCapture_ && (msg == WM_LBUTTONUP || !(GetKeyState(VK_LBUTTON) & 0x8000))) {
        mouseCapture_ = nullptr;
        ReleaseCapture();
      }
      target->MouseUp(button, x, y);
      return msg != WM_RBUTTONUP;  // the default turns a right-button release into WM_CONTEXTMENU
  }
}

bool TWinControl::HandleContextMenu(HWND target, LPARAM lp) {
  // The menu of the control under the pointer or of its nearest parent that has one; from the
  // keyboard, at the focused control's top-left corner.
  bool keyboard = lp == -1;
  POINT screen{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  TControl* control = FromHandle(target);
  if (!control) return false;
  if (!keyboard) {
    POINT client = screen;
    ScreenToClient(target, &client);
    if (TControl* g = static_cast<TWinControl*>(control)->ControlAtPos(client, true)) control = g;
  }
  for (TControl* c = control; c; c = c->Parent()) {
    if (TPopupMenu* menu = c->PopupMenu()) {
      if (keyboard) screen = control->ClientToScreen(POINT{0, 0});
      menu->SetPopupComponent(control);
      menu->Popup(screen.x, screen.y);
      return true;
    }
  }
  return false;
}

}  // namespace fw
