#include "framework/stdctrls/check_box.h"
#include "framework/core/property_builders.h"

namespace fw {

namespace {
const char* const kStateNames[] = {"cbUnchecked", "cbChecked", "cbGrayed"};
}

const EnumType kCheckBoxStateType{"TCheckBoxState", kStateNames, 3};

const ClassInfo& TCheckBox::StaticClass() {
  static const PropInfo kProps[] = {
      BoolProp<&TWinControl::TabStop, &TWinControl::SetTabStop>("TabStop", true),
      BoolProp<&TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed>("AllowGrayed", false),
      StrProp<&TControl::Caption, &TControl::SetCaption>("Caption"),
      BoolProp<&TCheckBox::Checked, &TCheckBox::SetChecked>("Checked", false).NotStored(),
      EnumProp<&TCheckBox::State, &TCheckBox::SetState>("State", kCheckBoxStateType, cbUnchecked),
  };
  static const ClassInfo info = MakeClass<TCheckBox, TWinControl>("TCheckBox", kProps);
  return info;
}

TCheckBox::TCheckBox(Component* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 97, 17);
}

void TCheckBox::CreateParamsFor(CreateParams& params) {
  TWinControl::CreateParamsFor(params);
  params.className = "BUTTON";
  // Three-state, not automatic: the button never changes its mark by itself.
  params.style = WS_CHILD | WS_CLIPSIBLINGS | BS_3STATE;
}

void TCheckBox::WindowCreated() { SendMessageA(HandleIfAllocated(), BM_SETCHECK, state_, 0); }

void TCheckBox::SetState(TCheckBoxState state) {
  if (!SetField(state_, state)) return;
  if (HWND hwnd = HandleIfAllocated()) SendMessageA(hwnd, BM_SETCHECK, state_, 0);
  Click();
}

void TCheckBox::Toggle() {
  if (state_ == cbChecked)
    SetState(cbUnchecked);
  else
    SetState(state_ == cbUnchecked && allowGrayed_ ? cbGrayed : cbChecked);
}

bool TCheckBox::Notify(UINT code, LRESULT& result) {
  if (code != BN_CLICKED) return false;
  Toggle();
  result = 0;
  return true;
}

}  // namespace fw
