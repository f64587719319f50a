#include "framework/win32/popup_menu.h"

#include <algorithm>

#include "framework/core/property_builders.h"
#include "framework/win32/application.h"
#include "framework/win32/form.h"

namespace fw {

namespace {

void Detach(std::vector<TMenuItem*>& items, TMenuItem* item) {
  items.erase(std::remove(items.begin(), items.end(), item), items.end());
}

void Flatten(const std::vector<TMenuItem*>& items, std::vector<TMenuItem*>& out) {
  for (TMenuItem* item : items) {
    out.push_back(item);
    Flatten(item->Items(), out);
  }
}

// Builds the menu of items; a command is the item's index in `all` plus one.
HMENU BuildMenu(const std::vector<TMenuItem*>& items, const std::vector<TMenuItem*>& all) {
  HMENU menu = CreatePopupMenu();
  for (TMenuItem* item : items) {
    if (item->Caption() == "-") {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING | (item->Enabled() ? 0 : MF_GRAYED) | (item->Checked() ? MF_CHECKED : 0);
    UINT_PTR id = std::find(all.begin(), all.end(), item) - all.begin() + 1;
    if (!item->Items().empty()) {
      flags |= MF_POPUP;
      id = reinterpret_cast<UINT_PTR>(BuildMenu(item->Items(), all));
    }
    AppendMenuA(menu, flags, id, item->Caption().c_str());
  }
  return menu;
}

// The window that owns the menu while it is up: the form of the control that opened it, the
// active window, or the main form.
HWND OwnerWindow(Component* opener) {
  if (auto* control = dynamic_cast<TControl*>(opener))
    if (TForm* form = GetParentForm(control); form && form->HandleAllocated())
      return form->HandleIfAllocated();
  if (HWND active = GetActiveWindow()) return active;
  TForm* main = Application()->MainForm();
  return main ? main->Handle() : nullptr;
}

}  // namespace

const ClassInfo& TMenuItem::StaticClass() {
  static const PropInfo kProps[] = {
      StrProp<&TMenuItem::Caption, &TMenuItem::SetCaption>("Caption"),
      BoolProp<&TMenuItem::Checked, &TMenuItem::SetChecked>("Checked", false),
      BoolProp<&TMenuItem::Enabled, &TMenuItem::SetEnabled>("Enabled", true),
      EventProp<&TMenuItem::onClick>("OnClick"),
  };
  static const ClassInfo info = MakeClass<TMenuItem, Component>("TMenuItem", kProps);
  return info;
}

TMenuItem::TMenuItem(Component* owner) : Component(owner) {}

TMenuItem::~TMenuItem() {
  while (!items_.empty()) delete items_.back();
  if (parent_) parent_->Remove(this);
  if (menu_) menu_->Remove(this);
}

void TMenuItem::Add(TMenuItem* item) {
  if (item->parent_) item->parent_->Remove(item);
  if (item->menu_) item->menu_->Remove(item);
  items_.push_back(item);
  item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
  Detach(items_, item);
  if (item->parent_ == this) item->parent_ = nullptr;
}

Component* TMenuItem::ParentComponent() const {
  if (parent_) return parent_;
  return menu_;
}

void TMenuItem::SetParentComponent(Component* parent) {
  if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->Add(this);
  if (auto* menu = dynamic_cast<TPopupMenu*>(parent)) menu->Add(this);
}

void TMenuItem::GetChildren(std::vector<Component*>& children, Component* root) const {
  for (TMenuItem* item : items_)
    if (item->Owner() == root) children.push_back(item);
}

const ClassInfo& TPopupMenu::StaticClass() {
  static const ClassInfo info = MakeClass<TPopupMenu, Component>("TPopupMenu");
  return info;
}

TPopupMenu::TPopupMenu(Component* owner) : Component(owner) {}

TPopupMenu::~TPopupMenu() {
  while (!items_.empty()) delete items_.back();
}

void TPopupMenu::Add(TMenuItem* item) {
  if (item->parent_) item->parent_->Remove(item);
  if (item->menu_) item->menu_->Remove(item);
  items_.push_back(item);
  item->menu_ = this;
}

void TPopupMenu::Remove(TMenuItem* item) {
  Detach(items_, item);
  if (item->menu_ == this) item->menu_ = nullptr;
}

void TPopupMenu::GetChildren(std::vector<Component*>& children, Component* root) const {
  for (TMenuItem* item : items_)
    if (item->Owner() == root) children.push_back(item);
}

void TPopupMenu::Notification(Component* component) {
  if (component == popupComponent_) popupComponent_ = nullptr;
  Component::Notification(component);
}

void TPopupMenu::Popup(int x, int y) {
  std::vector<TMenuItem*> all;
  Flatten(items_, all);
  HMENU menu = BuildMenu(items_, all);
  UINT command = TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, 0,
                                OwnerWindow(popupComponent_), nullptr);
  DestroyMenu(menu);
  if (command == 0 || command > all.size()) return;
  // The item may have gone while the menu was up.
  TMenuItem* chosen = all[command - 1];
  std::vector<TMenuItem*> now;
  Flatten(items_, now);
  if (std::find(now.begin(), now.end(), chosen) != now.end()) chosen->Click();
}

}  // namespace fw
