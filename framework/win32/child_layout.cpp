// Child windows of a windowed control: where a new one goes in the z-order, which are made
// when, the layout of aligned children and the graphic control under a point.
#include <algorithm>

#include "framework/win32/win_control.h"

namespace fw {

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

TControl* TWinControl::ControlAtPos(POINT p, bool allowDisabled) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (dynamic_cast<TWinControl*>(c) || !c->Visible() || (!allowDisabled && !c->Enabled())) continue;
    RECT r = c->BoundsRect();
    if (PtInRect(&r, p)) return c;
  }
  return nullptr;
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

}  // namespace fw
