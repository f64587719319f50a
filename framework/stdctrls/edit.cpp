#include "framework/stdctrls/edit.h"
#include "framework/core/property_builders.h"

#include <algorithm>

namespace fw {

namespace {
const char* const kBorderStyleNames[] = {"bsNone", "bsSingle"};
}

const EnumType kEditBorderStyleType{"TBorderStyle", kBorderStyleNames, 2};

const ClassInfo& TCustomEdit::StaticClass() {
  static const ClassInfo info = MakeClass<TCustomEdit, TWinControl>("TCustomEdit");
  return info;
}

const ClassInfo& TEdit::StaticClass() {
  static const PropInfo kProps[] = {
      IntProp<&TControl::Color, &TControl::SetColor>("Color", clWindow).WithIdents(kColorIdents),
      BoolProp<&TWinControl::TabStop, &TWinControl::SetTabStop>("TabStop", true),
      EnumProp<&TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle>("BorderStyle", kEditBorderStyleType,
                                                                        TCustomEdit::bsSingle),
      BoolProp<&TCustomEdit::Ctl3D, &TCustomEdit::SetCtl3D>("Ctl3D", true),
      IntProp<&TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength>("MaxLength", 0),
      BoolProp<&TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly>("ReadOnly", false),
      StrProp<&TControl::Text, &TControl::SetText>("Text"),
      EventProp<&TCustomEdit::onChange>("OnChange"),
  };
  static const ClassInfo info = MakeClass<TEdit, TCustomEdit>("TEdit", kProps);
  return info;
}

TCustomEdit::TCustomEdit(Component* owner) : TWinControl(owner) {
  SetColor(clWindow);
  SetTabStop(true);
  SetBounds(0, 0, 121, 21);
}

DWORD TCustomEdit::BorderStyleBits() const { return borderStyle_ == bsSingle && !ctl3D_ ? WS_BORDER : 0; }

DWORD TCustomEdit::BorderExStyleBits() const {
  return borderStyle_ == bsSingle && ctl3D_ ? WS_EX_CLIENTEDGE : 0;
}

void TCustomEdit::CreateParamsFor(CreateParams& params) {
  TWinControl::CreateParamsFor(params);
  params.className = "EDIT";
  params.style = WS_CHILD | WS_CLIPSIBLINGS | ES_AUTOHSCROLL | BorderStyleBits();
  if (readOnly_) params.style |= ES_READONLY;
  params.exStyle |= BorderExStyleBits();
}

void TCustomEdit::WindowCreated() { SendMessageA(HandleIfAllocated(), EM_LIMITTEXT, maxLength_, 0); }

void TCustomEdit::StoreText(const std::string& text) {
  // With a window, the control holds the text and reports the change (EN_CHANGE).
  if (HWND hwnd = HandleIfAllocated()) {
    SetWindowTextA(hwnd, text.c_str());
    return;
  }
  TWinControl::StoreText(text);
}

void TCustomEdit::SelectAll() {
  if (HWND hwnd = HandleIfAllocated()) SendMessageA(hwnd, EM_SETSEL, 0, -1);
}

void TCustomEdit::SetBorderStyle(TEditBorderStyle style) {
  if (SetField(borderStyle_, style)) ApplyBorder();
}

void TCustomEdit::SetCtl3D(bool ctl3D) {
  if (SetField(ctl3D_, ctl3D)) ApplyBorder();
}

void TCustomEdit::ApplyBorder() {
  HWND hwnd = HandleIfAllocated();
  if (!hwnd) return;
  LONG style = (GetWindowLongA(hwnd, GWL_STYLE) & ~WS_BORDER) | BorderStyleBits();
  LONG exStyle = (GetWindowLongA(hwnd, GWL_EXSTYLE) & ~WS_EX_CLIENTEDGE) | BorderExStyleBits();
  SetWindowLongA(hwnd, GWL_STYLE, style);
  SetWindowLongA(hwnd, GWL_EXSTYLE, exStyle);
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TCustomEdit::SetMaxLength(int length) {
  if (!SetField(maxLength_, std::max(length, 0))) return;
  if (HWND hwnd = HandleIfAllocated()) SendMessageA(hwnd, EM_LIMITTEXT, maxLength_, 0);
}

void TCustomEdit::SetReadOnly(bool readOnly) {
  if (!SetField(readOnly_, readOnly)) return;
  if (HWND hwnd = HandleIfAllocated()) SendMessageA(hwnd, EM_SETREADONLY, readOnly_, 0);
}

bool TCustomEdit::Notify(UINT code, LRESULT&) {
  if (code != EN_CHANGE) return false;
  Change();
  return true;
}

bool TCustomEdit::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_CHAR: {
      char key = static_cast<char>(wp);
      KeyPress(key);
      if (key == 0) {
        result = 0;
        return true;
      }
      result = DefaultProc(msg, static_cast<unsigned char>(key), lp);
      return true;
    }
    case WM_DESTROY:
      // The text goes back into the object before its window goes, for a window made again.
      TWinControl::StoreText(Text());
      break;
    case WM_SETFOCUS:
      // Entered from the keyboard, the whole text is selected, ready to be typed over.
      if (!(GetKeyState(VK_LBUTTON) & 0x8000)) {
        bool handled = TWinControl::WndProc(msg, wp, lp, result);
        if (!handled) result = DefaultProc(msg, wp, lp);
        SelectAll();
        return true;
      }
      break;
  }
  return TWinControl::WndProc(msg, wp, lp, result);
}

}  // namespace fw
