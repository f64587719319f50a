// The one window procedure of the framework's windows and the subclassing of native controls:
// the object is found through the window, messages go to its WndProc, and no exception crosses
// into user32. Also where a control's window is made.
#include "framework/win32/win_control.h"

#include <exception>

#include "framework/core/error.h"
#include "framework/win32/application.h"
#include "framework/win32/window_accessible.h"

namespace fw {

namespace {

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

void RegisterWindowClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSA wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = WindowProcedure;
  wc.hInstance = Instance();
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconA(Instance(), MAKEINTRESOURCEA(1));  // the program's icon, where it has one
  wc.lpszClassName = Application()->WindowClassName().c_str();
  RegisterClassA(&wc);
  registered = true;
}

bool Dispatch(TWinControl* control, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  // No exception may cross into user32: it goes to the application's error box.
  try {
    return control->WndProc(msg, wp, lp, result);
  } catch (const std::exception& e) {
    Application()->HandleException(e);
    result = 0;
    return true;
  }
}

}  // namespace

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* control = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    control->handle_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
  }
  TWinControl* control = TWinControl::FromHandle(hwnd);
  if (!control) return DefWindowProcA(hwnd, msg, wp, lp);
  LRESULT result = 0;
  bool handled = Dispatch(control, msg, wp, lp, result);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    control->handle_ = nullptr;
  }
  return handled ? result : DefWindowProcA(hwnd, msg, wp, lp);
}

// Native controls are subclassed the classic way, through their window procedure (comctl32's
// SetWindowSubclass would load that library at start-up, the slowest of the program's DLLs to
// load): the control's own procedure is kept in nativeProc_ and gets what we leave.
LRESULT CALLBACK SubclassProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  TWinControl* control = TWinControl::FromHandle(hwnd);
  if (!control)
    return DefWindowProcA(hwnd, msg, wp, lp);  // not while attached: Detach restores the procedure
  const WNDPROC native = control->nativeProc_;
  if (msg == WM_NCDESTROY) {
    control->Detach();
    return CallWindowProcA(native, hwnd, msg, wp, lp);
  }
  LRESULT result = 0;
  if (Dispatch(control, msg, wp, lp, result)) return result;
  return CallWindowProcA(native, hwnd, msg, wp, lp);
}

void TWinControl::CreateWnd() {
  CreateParams params;
  CreateParamsFor(params);
  if (Visible() && params.showWhenVisible) params.style |= WS_VISIBLE;
  if (!Enabled()) params.style |= WS_DISABLED;
  HWND parent = Parent() ? Parent()->Handle() : params.parent;
  native_ = params.className != nullptr;
  if (!native_) RegisterWindowClass();
  HWND hwnd =
      CreateWindowExA(params.exStyle, native_ ? params.className : Application()->WindowClassName().c_str(),
                      params.caption.c_str(), params.style, Left(), Top(), Width(), Height(), parent, nullptr,
                      Instance(), this);
  if (!hwnd) throw Error("Error creating window");
  if (native_) {
    handle_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    nativeProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProcedure)));
  }
  if (Parent()) PlaceInZOrder();
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), FALSE);
  WindowCreated();
  for (TControl* c : controls_) c->ParentWindowCreated();
  if (ShowsChildren()) CreateChildWindows();
}

LRESULT TWinControl::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
  return native_ ? CallWindowProcA(nativeProc_, handle_, msg, wp, lp) : DefWindowProcA(handle_, msg, wp, lp);
}

bool TWinControl::HandleControlColor(HDC dc, HWND child, LRESULT& result) {
  TWinControl* control = FromHandle(child);
  if (!control) return false;
  SetTextColor(dc, ColorToRGB(control->Enabled() ? control->Font()->Color() : clGrayText));
  SetBkColor(dc, ColorToRGB(control->Color()));
  result = reinterpret_cast<LRESULT>(control->Brush());
  return true;
}

bool TWinControl::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND:
      if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(lp)); child && child != this)
        return child->Notify(HIWORD(wp), result);
      return false;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lp);
      if (TWinControl* child = FromHandle(header->hwndFrom); child && child != this)
        return child->Notify(header->code, result);
      return false;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      return HandleControlColor(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp), result);
    case WM_SETFOCUS:
      FocusChanged(this);
      return false;
    case WM_CONTEXTMENU:
      return HandleContextMenu(reinterpret_cast<HWND>(wp), lp);
    case WM_GETOBJECT:
    case kPressChildMessage:
      return AccessibleMessage(*this, msg, wp, lp, result);
    case WM_SETCURSOR: {
      // The application-wide pointer (the hourglass while starting) wins over every window's own.
      if (LOWORD(lp) != HTCLIENT) return false;
      HCURSOR cursor = Application()->CursorHandle();
      // Then the control's own, over its own window (a parent is asked first and must not take
      // the pointer of its children).
      if (!cursor && reinterpret_cast<HWND>(wp) == handle_) cursor = StandardCursor(Cursor());
      if (!cursor) return false;
      ::SetCursor(cursor);
      result = TRUE;
      return true;
    }
  }
  if (native_) return false;
  switch (msg) {
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(handle_, &ps);
      PaintWindow(dc);
      PaintControls(dc);
      EndPaint(handle_, &ps);
      return true;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
      return HandleMouse(msg, wp, lp);
  }
  return false;
}

}  // namespace fw
