// Single-line edit boxes on the native EDIT control. The text lives in the window once it
// exists; OnChange follows the control's EN_CHANGE, so it is raised for the user's edits and
// for text set by the program. Every typed character passes KeyPress first.
#pragma once

#include <string>

#include "framework/win32/win_control.h"

namespace fw {

class TCustomEdit : public TWinControl {
 public:
  FW_CLASS()

  enum TEditBorderStyle : int { bsNone, bsSingle };

  explicit TCustomEdit(Component* owner);

  TEditBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TEditBorderStyle style);
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool ctl3D);
  int MaxLength() const { return maxLength_; }  // 0: no limit
  void SetMaxLength(int length);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);

  std::string Text() const override { return WindowText(); }
  void SelectAll();

  Method onChange;
  virtual void Change() { onChange(this); }

  bool WantsArrows() const override { return true; }
  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 protected:
  // Called with every character typed (WM_CHAR) before the edit acts on it; setting key to 0
  // drops the character, another value replaces it.
  virtual void KeyPress(char& /*key*/) {}

  void CreateParamsFor(CreateParams& params) override;
  void WindowCreated() override;
  bool Notify(UINT code, LRESULT& result) override;
  void StoreText(const std::string& text) override;
  void TextChanged() override {}

 private:
  void ApplyBorder();
  DWORD BorderStyleBits() const;
  DWORD BorderExStyleBits() const;

  TEditBorderStyle borderStyle_ = bsSingle;
  bool ctl3D_ = true, readOnly_ = false;
  int maxLength_ = 0;
};

class TEdit : public TCustomEdit {
 public:
  FW_CLASS()
  using TCustomEdit::TCustomEdit;
};

extern const EnumType kEditBorderStyleType;

}  // namespace fw
