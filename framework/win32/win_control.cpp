#include "framework/win32/win_control.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <exception>

#include "framework/core/error.h"
#include "framework/core/property_builders.h"
#include "framework/win32/application.h"
#include "framework/win32/popup_menu.h"

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

const ClassInfo& TWinControl::StaticClass() {
  static const PropInfo kProps[] = {
      IntProp<&TWinControl::TabOrder, &TWinControl::SetTabOrder>("TabOrder", -1),
      BoolProp<&TWinControl::TabStop, &TWinControl::SetTabStop>("TabStop", false),
      EventProp<&TWinControl::onEnter>("OnEnter"),
      EventProp<&TWinControl::onExit>("OnExit"),
  };
  static const ClassInfo info = MakeClass<TWinControl, TControl>("TWinControl", kProps);
  return info;
}

TWinControl::TWinControl(Component* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  SetDestroying();  // from here on no window is made for it (focus moves while windows go)
  while (!controls_.empty()) delete controls_.back();
  if (handle_) {
    // Detach first: the window's last messages must not reach a half-destroyed object.
    HWND hwnd = handle_;
    Detach();
    DestroyWindow(hwnd);
  }
  if (brush_) DeleteObject(brush_);
}

void TWinControl::Detach() {
  if (native_ && nativeProc_)
    SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(nativeProc_));
  SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
  handle_ = nullptr;
}

TWinControl* TWinControl::FromHandle(HWND hwnd) {
  return hwnd ? reinterpret_cast<TWinControl*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)) : nullptr;
}

HWND TWinControl::Handle() {
  if (!handle_ && !IsDestroying()) {
    if (Parent()) Parent()->Handle();
    if (!handle_) CreateWnd();
  }
  return handle_;
}

void TWinControl::CreateParamsFor(CreateParams& params) {
  params.style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  params.caption = Text();
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

void TWinControl::PlaceInZOrder() {
  // A new child window goes below its siblings that have windows, but a control written later
  // in the text must lie above the earlier ones (an edit box above the frame panel under it).
  // Siblings are made last first, so the bottom is its place unless an earlier sibling already
  // has a window (one shown later, or reparented); then it goes just below the first later
  // sibling that has a window, or to the top.
  const auto& siblings = Parent()->controls_;
  auto it = std::find(siblings.begin(), siblings.end(), this);
  auto hasWindow = [](TControl* c) {
    auto* w = dynamic_cast<TWinControl*>(c);
    return w && w->handle_;
  };
  if (std::none_of(siblings.begin(), it, hasWindow)) return;
  HWND above = HWND_TOP;
  if (it != siblings.end()) {
    for (++it; it != siblings.end(); ++it) {
      auto* w = dynamic_cast<TWinControl*>(*it);
      if (w && w->handle_) {
        above = w->handle_;
        break;
      }
    }
  }
  SetWindowPos(handle_, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::CreateChildWindows() {
  // Only the children that are visible: a hidden control (a notebook page not shown) gets its
  // windows when it is first shown, or when its handle is asked for. Last first: see
  // PlaceInZOrder.
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
    if (auto* w = dynamic_cast<TWinControl*>(*it))
      if (!w->handle_ && w->Visible()) w->CreateWnd();
}

void TWinControl::DestroyWnd() {
  if (!handle_) return;
  HWND hwnd = handle_;
  DestroyWindow(hwnd);  // WM_NCDESTROY clears handle_ of this window and of every child window
}

void TWinControl::SetParent(TWinControl* parent) {
  TControl::SetParent(parent);
  if (parent && parent->HandleAllocated() && !handle_ && Visible()) CreateWnd();
  if (handle_ && parent && parent->HandleAllocated() && GetParent(handle_) != parent->handle_)
    ::SetParent(handle_, parent->handle_);
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  if (auto* w = dynamic_cast<TWinControl*>(control)) tabList_.push_back(w);
}

void TWinControl::RemoveControl(TControl* control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), control), tabList_.end());
  if (mouseCapture_ == control) mouseCapture_ = nullptr;
}

void TWinControl::ChildDestroyed(TControl* control) {
  if (mouseCapture_ == control) mouseCapture_ = nullptr;
  if (Parent()) Parent()->ChildDestroyed(control);
}

void TWinControl::FocusChanged(TWinControl* control) {
  if (Parent()) Parent()->FocusChanged(control);
}

TControl* TWinControl::ControlAtPos(POINT p, bool allowDisabled) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (dynamic_cast<TWinControl*>(c) || !c->Visible() || (!allowDisabled && !c->Enabled())) continue;
    RECT r = c->BoundsRect();
    if (PtInRect(&r, p)) return c;
  }
  return nullptr;
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (IsLoading()) {
    loadedTabOrder_ = order;  // the siblings that follow in the text do not exist yet
    return;
  }
  if (!Parent()) return;
  auto& list = Parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  order = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + order, this);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  // Place the children read from text at the tab positions the text gave them.
  std::stable_sort(tabList_.begin(), tabList_.end(), [](TWinControl* a, TWinControl* b) {
    int ka = a->loadedTabOrder_ < 0 ? INT_MAX : a->loadedTabOrder_;
    int kb = b->loadedTabOrder_ < 0 ? INT_MAX : b->loadedTabOrder_;
    return ka < kb;
  });
  for (TWinControl* w : tabList_) w->loadedTabOrder_ = -1;
}

std::vector<TWinControl*> TWinControl::TabList() const { return tabList_; }

bool TWinControl::CanFocus() const { return !IsDestroying() && Showing() && EnabledInTree(); }

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

void TWinControl::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
}

void TWinControl::BoundsChanged() {
  if (handle_) MoveWindow(handle_, Left(), Top(), Width(), Height(), TRUE);
  AlignControls();
}

void TWinControl::AlignControls() {
  static thread_local int depth = 0;
  if (depth > 0) return;
  ++depth;
  RECT r = ClientRect();
  for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
    for (TControl* c : controls_) {
      if (c->Align() != pass || !c->Visible()) continue;
      switch (pass) {
        case alTop:
          c->SetBounds(r.left, r.top, r.right - r.left, c->Height());
          r.top += c->Height();
          break;
        case alBottom:
          c->SetBounds(r.left, r.bottom - c->Height(), r.right - r.left, c->Height());
          r.bottom -= c->Height();
          break;
        case alLeft:
          c->SetBounds(r.left, r.top, c->Width(), r.bottom - r.top);
          r.left += c->Width();
          break;
        case alRight:
          c->SetBounds(r.right - c->Width(), r.top, c->Width(), r.bottom - r.top);
          r.right -= c->Width();
          break;
        default:
          c->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
          break;
      }
    }
  }
  --depth;
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::TextChanged() {
  if (handle_) SetWindowTextA(handle_, Text().c_str());
  Invalidate();
}

void TWinControl::EnabledChanged() {
  if (handle_) EnableWindow(handle_, Enabled());
  Invalidate();
}

void TWinControl::VisibleChanged() {
  if (handle_)
    ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
  else if (Visible() && Parent() && Parent()->handle_ && !IsDestroying())
    CreateWnd();  // shown for the first time: made now, visible
}

void TWinControl::FontChanged() {
  if (handle_) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
  for (TControl* c : controls_) c->ParentFontChanged();
  Invalidate();
}

void TWinControl::GetChildren(std::vector<Component*>& children, Component* root) const {
  for (TControl* c : controls_)
    if (c->Owner() == root) children.push_back(c);
  if (root == this)
    for (Component* c : Components())
      if (!c->HasParent()) children.push_back(c);
}

HBRUSH TWinControl::Brush() {
  if (!brush_ || brushColor_ != Color()) {
    if (brush_) DeleteObject(brush_);
    brushColor_ = Color();
    brush_ = CreateSolidBrush(ColorToRGB(brushColor_));
  }
  return brush_;
}

void TWinControl::PaintWindow(HDC dc) {
  RECT r = ClientRect();
  FillRect(dc, &r, Brush());
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* c : controls_) {
    auto* g = dynamic_cast<TGraphicControl*>(c);
    if (!g || !g->Visible()) continue;
    int saved = SaveDC(dc);
    IntersectClipRect(dc, g->Left(), g->Top(), g->Left() + g->Width(), g->Top() + g->Height());
    SetViewportOrgEx(dc, g->Left(), g->Top(), nullptr);
    g->Paint(dc);
    RestoreDC(dc, saved);
  }
}

LRESULT TWinControl::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
  return native_ ? CallWindowProcA(nativeProc_, handle_, msg, wp, lp) : DefWindowProcA(handle_, msg, wp, lp);
}

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
    case WM_SETCURSOR:
      // The application-wide pointer (the hourglass while starting) wins over every window's own.
      if (LOWORD(lp) != HTCLIENT) return false;
      if (HCURSOR cursor = Application()->CursorHandle()) {
        ::SetCursor(cursor);
        result = TRUE;
        return true;
      }
      // Then the control's own, over its own window (a parent is asked first and must not take
      // the pointer of its children).
      if (HCURSOR cursor = reinterpret_cast<HWND>(wp) == handle_ ? StandardCursor(Cursor()) : nullptr) {
        ::SetCursor(cursor);
        result = TRUE;
        return true;
      }
      return false;
    case WM_DESTROY:
      return false;
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
