// The form's keyboard focus: which control has it, the enter and exit events when it moves
// between two controls, and the moves that Tab, the arrow keys and activation make.
#include <algorithm>
#include <vector>

#include "framework/win32/form.h"

namespace fw {

namespace {

// Every windowed control inside parent, in tab order, each container followed by its contents.
void CollectTabOrder(const TWinControl* parent, std::vector<TWinControl*>& out) {
  for (TWinControl* control : parent->TabList()) {
    out.push_back(control);
    CollectTabOrder(control, out);
  }
}

// The controls that arrow keys step through inside parent, in tab order: a frame (a control
// that holds windowed controls) is never a stop itself; its contents stand at its place.
void CollectArrowStops(const TWinControl* parent, std::vector<TWinControl*>& out) {
  for (TWinControl* control : parent->TabList()) {
    if (control->TabList().empty())
      out.push_back(control);
    else
      CollectArrowStops(control, out);
  }
}

// The first control after current in list (before it, backwards) that `accepts`; list wraps
// around. current may be absent from list: the search starts at an end. Null if none accepts.
template <class Accepts>
TWinControl* NextIn(const std::vector<TWinControl*>& list, TWinControl* current, bool forward,
                    Accepts accepts) {
  const int n = static_cast<int>(list.size());
  auto it = std::find(list.begin(), list.end(), current);
  const bool found = it != list.end();
  const int start = found ? static_cast<int>(it - list.begin()) : (forward ? -1 : n);
  for (int step = 1; step < n + (found ? 0 : 1); ++step) {
    int i = ((forward ? start + step : start - step) % n + n) % n;
    if (accepts(list[i])) return list[i];
  }
  return nullptr;
}

bool Focus(TWinControl* control) {
  if (control) control->SetFocus();
  return control != nullptr;
}

}  // namespace

void TForm::SetActiveControl(TWinControl* control) {
  HWND hwnd = HandleIfAllocated();
  if (IsLoading() || !control || !hwnd || GetActiveWindow() != hwnd || !control->CanFocus()) {
    activeControl_ = control;  // focused when the form is next activated
    return;
  }
  control->SetFocus();  // WM_SETFOCUS reaches FocusChanged
}

void TForm::FocusChanged(TWinControl* control) {
  if (control == this) return;
  activeControl_ = control;
  if (control == focusedControl_) return;  // back to the same control after a switch of windows
  TWinControl* previous = focusedControl_;
  focusedControl_ = control;
  if (previous) previous->DoExit();
  control->DoEnter();
}

void TForm::ChildDestroyed(TControl* control) {
  if (control == activeControl_) activeControl_ = nullptr;
  if (control == focusedControl_) focusedControl_ = nullptr;
  if (control == defaultControl_) defaultControl_ = nullptr;
  TWinControl::ChildDestroyed(control);
}

bool TForm::Activated(bool active, bool minimized) {
  if (active && !minimized) {
    // The focus returns to the active control, or goes to the first one in tab order.
    if (activeControl_ && activeControl_->CanFocus())
      activeControl_->SetFocus();
    else if (!SelectNext(nullptr, true, true))
      ::SetFocus(HandleIfAllocated());
  }
  if (active)
    onActivate(this);
  else
    onDeactivate(this);
  return true;
}

bool TForm::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
  std::vector<TWinControl*> list;
  CollectTabOrder(this, list);
  return Focus(NextIn(list, current, forward, [checkTabStop](TWinControl* c) {
    return c->CanFocus() && (!checkTabStop || c->TabStop());
  }));
}

bool TForm::SelectSibling(TWinControl* current, bool forward) {
  if (!current || !current->Parent()) return false;
  std::vector<TWinControl*> list;
  CollectArrowStops(current->Parent(), list);
  TWinControl* next = NextIn(list, current, forward, [](TWinControl* c) { return c->CanFocus(); });
  return Focus(next ? next->FocusTargetFrom(current) : nullptr);
}

bool TForm::DialogKey(UINT key) {
  if (modal_) {
    if (activeControl_ && activeControl_->Focused() && activeControl_->DialogKey(key)) return true;
    std::vector<TWinControl*> list;
    CollectTabOrder(this, list);
    for (TWinControl* c : list)
      if (c != activeControl_ && c->Showing() && c->EnabledInTree() && c->DialogKey(key)) return true;
  }
  if (key != VK_RETURN || !defaultControl_ || !defaultControl_->Showing() ||
      !defaultControl_->EnabledInTree())
    return false;
  defaultControl_->Press();
  return true;
}

}  // namespace fw
