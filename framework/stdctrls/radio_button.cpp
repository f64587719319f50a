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
  if (code != BN_CLICKED || takingFocus_) return false;
  SetChecked(true);
  result = 0;
  return true;
}

bool TRadioButton::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg != WM_SETFOCUS) return TWinControl::WndProc(msg, wp, lp, result);
  // The focus alone chooses nothing: some implementations of the control report BN_CLICKED
  // when an unchecked button takes the keyboard focus, and that report is not a choice.
  takingFocus_ = true;
  if (!TWinControl::WndProc(msg, wp, lp, result)) result = DefaultProc(msg, wp, lp);
  takingFocus_ = false;
  return true;
}

TWinControl* TRadioButton::FocusTargetFrom(const TWinControl* from) {
  TWinControl* parent = Parent();
  if (!parent || (from && from->Parent() == parent && dynamic_cast<const TRadioButton*>(from))) return this;
  // Entered from outside the group: its checked button, or else its first, takes the focus.
  TRadioButton* first = nullptr;
  for (TWinControl* c : parent->TabList()) {
    auto* radio = dynamic_cast<TRadioButton*>(c);
    if (!radio || !radio->CanFocus()) continue;
    if (radio->checked_) return radio;
    if (!first) first = radio;
  }
  return first ? first : this;
}

}  // namespace fw
