// Pop-up menus: a TPopupMenu holds TMenuItem components, written nested inside it in
// description text. Popup shows the menu at a screen point and runs the chosen item's click.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/core/component.h"
#include "framework/core/method.h"

namespace fw {

class TMenuItem : public Component {
 public:
  FW_CLASS()
  explicit TMenuItem(Component* owner);
  ~TMenuItem() override;

  const std::string& Caption() const { return caption_; }  // "-" is a separator line
  void SetCaption(const std::string& caption) { caption_ = caption; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked) { checked_ = checked; }
  const std::vector<TMenuItem*>& Items() const { return items_; }
  void Add(TMenuItem* item);
  void Remove(TMenuItem* item);

  Method onClick;
  virtual void Click() { onClick(this); }

  bool HasParent() const override { return true; }
  Component* ParentComponent() const override;
  void SetParentComponent(Component* parent) override;
  void GetChildren(std::vector<Component*>& children, Component* root) const override;

 private:
  friend class TPopupMenu;
  std::string caption_;
  bool enabled_ = true, checked_ = false;
  TMenuItem* parent_ = nullptr;
  class TPopupMenu* menu_ = nullptr;
  std::vector<TMenuItem*> items_;
};

class TPopupMenu : public Component {
 public:
  FW_CLASS()
  explicit TPopupMenu(Component* owner);
  ~TPopupMenu() override;

  const std::vector<TMenuItem*>& Items() const { return items_; }
  void Add(TMenuItem* item);
  void Remove(TMenuItem* item);

  // Shows the menu with its top-left corner at the screen point and, when the user picks an
  // item, runs that item's click before returning.
  void Popup(int x, int y);
  // The component that opened the menu last (the control that was right-clicked).
  Component* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(Component* c) { popupComponent_ = c; }

  void GetChildren(std::vector<Component*>& children, Component* root) const override;
  void Notification(Component* component) override;

 private:
  std::vector<TMenuItem*> items_;
  Component* popupComponent_ = nullptr;
};

}  // namespace fw
