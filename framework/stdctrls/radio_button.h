// Radio buttons on the native BUTTON control, not automatic: a button that becomes checked,
// by the user or the program, unchecks the radio buttons of its own parent (which raise
// nothing) and raises its Click; one that becomes unchecked raises nothing. Only the checked
// button of a group is a tab stop, and the focus never checks a button: a group entered with
// the arrow keys hands the focus to its checked button, or to its first one, unchecked.
#pragma once

#include "framework/win32/win_control.h"

namespace fw {

class TRadioButton : public TWinControl {
 public:
  FW_CLASS()

  explicit TRadioButton(Component* owner);

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

  bool WantsArrows() const override { return false; }
  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  TWinControl* FocusTargetFrom(const TWinControl* from) override;

 protected:
  void CreateParamsFor(CreateParams& params) override;
  void WindowCreated() override;
  // BN_CLICKED: a mouse click or the Space key; either checks the button. Not the focus.
  bool Notify(UINT code, LRESULT& result) override;

 private:
  bool checked_ = false;
  bool takingFocus_ = false;  // inside WM_SETFOCUS
};

}  // namespace fw
