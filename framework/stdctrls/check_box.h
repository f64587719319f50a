// Check boxes on the native BUTTON control, in a style that leaves the check mark to us: every
// change of State, whatever causes it (mouse, Space key, program, a restore through the
// loader), raises Click at once, so handlers nest; setting the present state raises nothing.
#pragma once

#include "framework/win32/win_control.h"

namespace fw {

enum TCheckBoxState : int { cbUnchecked, cbChecked, cbGrayed };
extern const EnumType kCheckBoxStateType;

class TCheckBox : public TWinControl {
 public:
  FW_CLASS()

  explicit TCheckBox(Component* owner);

  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool allow) { allowGrayed_ = allow; }
  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState state);
  bool Checked() const { return state_ == cbChecked; }
  void SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }
  // The user's click: unchecked -> (grayed if allowed) -> checked -> unchecked.
  void Toggle();

  bool WantsArrows() const override { return false; }

 protected:
  void CreateParamsFor(CreateParams& params) override;
  void WindowCreated() override;
  bool Notify(UINT code, LRESULT& result) override;

 private:
  bool allowGrayed_ = false;
  TCheckBoxState state_ = cbUnchecked;
};

}  // namespace fw
