#include "framework/stdctrls/radio_button.h"
#include "framework/core/property_builders.h"

#include <vector>

namespace fw {

const ClassInfo& TRadioButton::StaticClass() {
  static const PropInfo kProps[] = {
      // Follows Checked: only the checked button of a group is a tab stop.
      BoolProp<&TWinControl::TabStop, &TWinControl::SetTabStop>("TabStop", false).NotStored(),
      StrProp<&TControl::Caption, &TControl::SetCaption>("Caption"),
      BoolProp<&TRadioButton::Checked, &TRadioButton::SetChecked>("Checked", false),
  };
  static const ClassInfo info = MakeClass<TRadioButton, TWinControl>("TRadioButton", kProps);
  return info;
}

TRadioButton::TRadioButton(Component* owner) : TWinControl(owner) { SetBounds(0, 0, 113, 17); }

void TRadioButton::CreateParamsFor(CreateParams& params) {
  TWinControl::CreateParamsFor(params);
  params.className = "BUTTON";
  params.style = WS_CHILD | WS_CLIPSIBLINGS | BS_RADIOBUTTON;
}

void TRadioButton::WindowCreated() { SendMessageA(HandleIfAllocated(), BM_SETCHECK, checked_, 0); }

void TRadioButton::SetChecked(bool checked) {
  if (!SetField(checked_, checked)) return;
  SetTabStop(checked);
  if (HWND hwnd = HandleIfAllocated()) SendMessageA(hwnd, BM_SETCHECK, checked_, 0);
  if (!checked) return;
  if (TWinControl* parent = Parent()) {
    // Copy: a sibling's change must not disturb the walk.
    std::vector<TControl*> siblings = parent->Controls();
    for (TControl* c : siblings)
      if (auto* radio = dynamic_cast<TRadioButton*>(c); radio && radio != this) radio->SetChecked(false);
  }
  Click();
}

bool TRadioButton::Notify(UINT code, LRESULT& result) {
  if (code != BN_CLICKED) return false;
  SetChecked(true);
  result = 0;
  return true;
}

bool TRadioButton::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg != WM_SETFOCUS || checked_ || (GetKeyState(VK_LBUTTON) & 0x8000))
    return TWinControl::WndProc(msg, wp, lp, result);
  // The keyboard focus arriving on an unchecked button checks it, as Windows' own button does
  // (it reports BN_CLICKED; not every implementation of the control does).
  if (!TWinControl::WndProc(msg, wp, lp, result)) result = DefaultProc(msg, wp, lp);
  SetChecked(true);
  return true;
}

}  // namespace fw
