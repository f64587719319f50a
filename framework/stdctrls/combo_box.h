// Combo boxes on the native COMBOBOX control. Items is a string list kept in step with the
// window. Setting ItemIndex from the program raises nothing; the user's pick in the list
// (mouse or arrow keys) raises OnClick, then OnChange; the user's typing in the text field
// raises OnChange. A right-click or the menu key in the text field opens the pop-up menu of the
// box or of its parents, as anywhere else in the window.
#pragma once

#include <string>
#include <vector>

#include "framework/core/string_list.h"
#include "framework/win32/win_control.h"

namespace fw {

enum TComboBoxStyle : int { csDropDown, csSimple, csDropDownList };
extern const EnumType kComboBoxStyleType;

class TComboBox : public TWinControl {
 public:
  FW_CLASS()

  explicit TComboBox(Component* owner);

  bool Ctl3D() const { return ctl3D_; }  // false: a flat field without the sunken edge
  void SetCtl3D(bool ctl3D);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int height);
  TStrings* Items() { return &items_; }
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle style);

  // The current item, -1 for none. Setting it raises no event.
  int ItemIndex() const;
  void SetItemIndex(int index);
  std::string Text() const override { return WindowText(); }

  Method onChange;
  virtual void Change() { onChange(this); }

  bool WantsArrows() const override { return true; }
  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 protected:
  void CreateParamsFor(CreateParams& params) override;
  void CreateWnd() override;
  void WindowCreated() override;
  bool Notify(UINT code, LRESULT& result) override;
  void StoreText(const std::string& text) override;
  void TextChanged() override {}
  void BoundsChanged() override;

 private:
  static constexpr int kDropDownCount = 8;

  void ItemsChanged();
  void SetWindowTextQuietly(const std::string& text);
  int WindowHeight() const;
  void PaintFlatEdge();

  TStrings items_;
  std::vector<std::string> shown_;  // the lines the window holds
  TComboBoxStyle style_ = csDropDown;
  int itemHeight_ = 16, itemIndex_ = -1;
  bool ctl3D_ = true, quiet_ = false;
};

}  // namespace fw
