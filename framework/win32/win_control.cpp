#include "framework/win32/win_control.h"

#include <algorithm>
#include <vector>

#include "framework/core/property_builders.h"

namespace fw {

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

TWinControl* TWinControl::ControlOfWindow(HWND hwnd) {
  while (hwnd) {
    if (TWinControl* control = FromHandle(hwnd)) return control;
    if (!(GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)) return nullptr;
    hwnd = GetParent(hwnd);
  }
  return nullptr;
}

HWND TWinControl::Handle() {
  if (!handle_ && !IsDestroying()) {
    if (Parent()) Parent()->Handle();
    if (!handle_) CreateWnd();
  }
  return handle_;
}

std::string TWinControl::WindowText() const {
  if (!handle_) return TControl::Text();
  std::vector<char> buffer(GetWindowTextLengthA(handle_) + 1);
  int length = GetWindowTextA(handle_, buffer.data(), static_cast<int>(buffer.size()));
  return std::string(buffer.data(), length > 0 ? length : 0);
}

void TWinControl::CreateParamsFor(CreateParams& params) {
  params.style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  params.caption = Text();
}

void TWinControl::DestroyWnd() {
  // WM_NCDESTROY clears handle_ of this window and of every child window.
  if (handle_) DestroyWindow(handle_);
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

}  // namespace fw
