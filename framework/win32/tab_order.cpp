// Tab order among the windowed children of a parent (as the description gives it once read)
// and the keyboard focus.
#include <algorithm>
#include <climits>

#include "framework/win32/win_control.h"

namespace fw {

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

}  // namespace fw
