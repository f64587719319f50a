// Before <windows.h>, whose RegisterClass macro would rename fw::RegisterClass.
#include "framework/core/class_info.h"

#include "tests/framework/win32/test_controls.h"

#include "framework/core/property_builders.h"
#include "framework/stdctrls/register_std_controls.h"
#include "framework/win32/framework_setup.h"

namespace fw::test {

const ClassInfo& TTestCheck::StaticClass() {
  static const PropInfo kProps[] = {
      StrProp<&TControl::Caption, &TControl::SetCaption>("Caption"),
      BoolProp<&TWinControl::TabStop, &TWinControl::SetTabStop>("TabStop", true),
  };
  static const ClassInfo info = MakeClass<TTestCheck, TWinControl>("TTestCheck", kProps);
  return info;
}

TTestCheck::TTestCheck(Component* owner) : TWinControl(owner) { SetTabStop(true); }

void TTestCheck::CreateParamsFor(CreateParams& params) {
  TWinControl::CreateParamsFor(params);
  params.className = "BUTTON";
  params.style |= BS_AUTOCHECKBOX;
}

bool TTestCheck::Checked() { return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool TTestCheck::Notify(UINT code, LRESULT&) {
  if (code != BN_CLICKED) return false;
  Click();
  return true;
}

const ClassInfo& TTestButton::StaticClass() {
  static const PropInfo kProps[] = {
      BoolProp<&TTestButton::Cancel, &TTestButton::SetCancel>("Cancel", false),
      BoolProp<&TTestButton::Default, &TTestButton::SetDefault>("Default", false),
      IntProp<&TTestButton::ModalResult, &TTestButton::SetModalResult>("ModalResult", 0),
  };
  static const ClassInfo info = MakeClass<TTestButton, TTestCheck>("TTestButton", kProps);
  return info;
}

void TTestButton::CreateParamsFor(CreateParams& params) {
  TTestCheck::CreateParamsFor(params);
  params.style = (params.style & ~BS_AUTOCHECKBOX) | BS_PUSHBUTTON;
}

void TTestButton::Click() {
  if (TForm* form = GetParentForm(this); form && modalResult_ != 0) form->SetModalResult(modalResult_);
  TTestCheck::Click();
}

bool TTestButton::DialogKey(UINT key) {
  if (!((key == VK_RETURN && (default_ || Focused())) || (key == VK_ESCAPE && cancel_))) return false;
  Click();
  return true;
}

const ClassInfo& TTestBox::StaticClass() {
  static const ClassInfo info = MakeClass<TTestBox, TWinControl>("TTestBox");
  return info;
}

const ClassInfo& TTestShape::StaticClass() {
  static const ClassInfo info = MakeClass<TTestShape, TGraphicControl>("TTestShape");
  return info;
}

const ClassInfo& TTestForm::StaticClass() {
  static const MethodInfo kMethods[] = {
      FW_METHOD(TTestForm, FormCreate),   FW_METHOD(TTestForm, FormShow),     FW_METHOD(TTestForm, FormClose),
      FW_METHOD(TTestForm, ControlEnter), FW_METHOD(TTestForm, ControlClick),
  };
  static const ClassInfo info = detail::BuildClass<TTestForm, TForm>("TTestForm", nullptr, 0, kMethods, 5);
  return info;
}

void RegisterTestClasses() {
  SetUpFramework();
  RegisterStdControlClasses();
  RegisterClasses<TTestCheck, TTestButton, TTestBox, TTestShape, TTestForm>();
}

}  // namespace fw::test
