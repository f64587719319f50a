#include "framework/win32/key_navigation.h"

#include "framework/win32/form.h"

namespace fw {

namespace {

bool Pressed(int key) { return GetKeyState(key) < 0; }

}  // namespace

bool KeyNavigation::PreTranslate(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  TWinControl* control = TWinControl::ControlOfWindow(msg.hwnd);
  TForm* form = GetParentForm(control);
  if (!form) return false;
  TWinControl* focused = control == form ? nullptr : control;
  // What the window wants for itself, as it tells dialog boxes.
  const LRESULT code =
      SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(const_cast<MSG*>(&msg)));
  if (code & DLGC_WANTALLKEYS) return false;
  switch (msg.wParam) {
    case VK_TAB:
      if ((code & DLGC_WANTTAB) || Pressed(VK_CONTROL) || Pressed(VK_MENU)) return false;
      form->SelectNext(focused, !Pressed(VK_SHIFT), true);
      return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      if (!focused || focused->WantsArrows()) return false;
      form->SelectSibling(focused, msg.wParam == VK_RIGHT || msg.wParam == VK_DOWN);
      return true;
    case VK_RETURN:
    case VK_ESCAPE:
      if (code & DLGC_WANTMESSAGE) return false;  // an open drop-down list closes
      return form->DialogKey(static_cast<UINT>(msg.wParam));
  }
  return false;
}

}  // namespace fw
