#include "framework/stdctrls/combo_box.h"

#include <algorithm>

#include "framework/core/property_builders.h"
#include "framework/win32/draw3d.h"

namespace fw {

namespace {

const char* const kStyleNames[] = {"csDropDown", "csSimple", "csDropDownList"};
const char kFieldProcProperty[] = "FwFieldProc";

bool HasPopupMenu(const TControl* control) {
  for (const TControl* c = control; c; c = c->Parent())
    if (c->PopupMenu()) return true;
  return false;
}

// The text field of an editable combo box is the system's edit window, which answers a
// right-click or the menu key with its own Cut/Copy/Paste menu. Where the combo box or a parent
// has a pop-up menu, the request goes to the combo box instead, which shows that menu.
LRESULT CALLBACK FieldProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  const auto native = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kFieldProcProperty));
  HWND combo = GetParent(hwnd);
  if (msg == WM_CONTEXTMENU && HasPopupMenu(TWinControl::FromHandle(combo)))
    return SendMessageA(combo, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(combo), lp);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(native));
    RemovePropA(hwnd, kFieldProcProperty);
  }
  return CallWindowProcA(native, hwnd, msg, wp, lp);
}

}  // namespace

const EnumType kComboBoxStyleType{"TComboBoxStyle", kStyleNames, 3};

const ClassInfo& TComboBox::StaticClass() {
  static const PropInfo kProps[] = {
      IntProp<&TControl::Color, &TControl::SetColor>("Color", clWindow).WithIdents(kColorIdents),
      BoolProp<&TWinControl::TabStop, &TWinControl::SetTabStop>("TabStop", true),
      BoolProp<&TComboBox::Ctl3D, &TComboBox::SetCtl3D>("Ctl3D", true),
      IntProp<&TComboBox::ItemHeight, &TComboBox::SetItemHeight>("ItemHeight", 16),
      ObjectProp<&TComboBox::Items>("Items"),
      EnumProp<&TComboBox::Style, &TComboBox::SetStyle>("Style", kComboBoxStyleType, csDropDown),
      StrProp<&TControl::Text, &TControl::SetText>("Text"),
      EventProp<&TComboBox::onChange>("OnChange"),
  };
  static const ClassInfo info = MakeClass<TComboBox, TWinControl>("TComboBox", kProps);
  return info;
}

TComboBox::TComboBox(Component* owner) : TWinControl(owner) {
  SetColor(clWindow);
  SetTabStop(true);
  SetBounds(0, 0, 145, 21);
  items_.onChange = [this] { ItemsChanged(); };
}

void TComboBox::CreateParamsFor(CreateParams& params) {
  TWinControl::CreateParamsFor(params);
  static const DWORD kStyles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST};
  params.className = "COMBOBOX";
  params.style = WS_CHILD | WS_CLIPSIBLINGS | WS_VSCROLL | CBS_AUTOHSCROLL | kStyles[style_];
  params.caption.clear();
}

int TComboBox::WindowHeight() const {
  // A drop-down combo's window reaches down over its list; the control keeps the field height.
  if (style_ == csSimple) return Height();
  return Height() + itemHeight_ * kDropDownCount + 2;
}

void TComboBox::CreateWnd() {
  TWinControl::CreateWnd();
  if (HWND hwnd = HandleIfAllocated())
    SetWindowPos(hwnd, nullptr, 0, 0, Width(), WindowHeight(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::WindowCreated() {
  HWND hwnd = HandleIfAllocated();
  SendMessageA(hwnd, CB_SETITEMHEIGHT, 0, itemHeight_);
  for (const std::string& line : items_.Lines())
    SendMessageA(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  shown_ = items_.Lines();
  std::string text = TWinControl::Text();
  if (itemIndex_ >= 0) SendMessageA(hwnd, CB_SETCURSEL, itemIndex_, 0);
  if (style_ != csDropDownList && Text() != text) SetWindowTextQuietly(text);
  if (HWND field = FindWindowExA(hwnd, nullptr, "Edit", nullptr)) {
    SetPropA(field, kFieldProcProperty, reinterpret_cast<HANDLE>(GetWindowLongPtrA(field, GWLP_WNDPROC)));
    SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FieldProcedure));
  }
}

void TComboBox::BoundsChanged() {
  if (HWND hwnd = HandleIfAllocated()) MoveWindow(hwnd, Left(), Top(), Width(), WindowHeight(), TRUE);
}

void TComboBox::SetCtl3D(bool ctl3D) { SetAndInvalidate(ctl3D_, ctl3D); }

void TComboBox::SetItemHeight(int height) {
  if (height < 1 || height == itemHeight_) return;
  itemHeight_ = height;
  if (HWND hwnd = HandleIfAllocated()) {
    SendMessageA(hwnd, CB_SETITEMHEIGHT, 0, itemHeight_);
    BoundsChanged();
  }
}

void TComboBox::SetStyle(TComboBoxStyle style) {
  if (!SetField(style_, style)) return;
  if (style_ == csDropDownList) {
    int index = ItemIndex();
    TWinControl::StoreText(index >= 0 ? items_[index] : std::string());
  }
  // The style is fixed when the window is made: a window there is made again.
  if (HandleAllocated()) {
    DestroyWnd();
    CreateWnd();
  }
}

int TComboBox::ItemIndex() const {
  if (HWND hwnd = HandleIfAllocated()) return static_cast<int>(SendMessageA(hwnd, CB_GETCURSEL, 0, 0));
  return itemIndex_;
}

void TComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.Count())) index = -1;
  if (index == ItemIndex()) return;
  itemIndex_ = index;
  // As the window does: the field shows the current item, or nothing.
  TWinControl::StoreText(index >= 0 ? items_[index] : std::string());
  if (HWND hwnd = HandleIfAllocated()) {
    quiet_ = true;
    SendMessageA(hwnd, CB_SETCURSEL, index, 0);
    quiet_ = false;
  }
}

void TComboBox::StoreText(const std::string& text) {
  if (style_ == csDropDownList) {
    // Only a text of the list can be shown: it selects its item.
    SetItemIndex(items_.IndexOf(text));
    return;
  }
  TWinControl::StoreText(text);
  if (HandleAllocated()) SetWindowTextQuietly(text);
}

void TComboBox::SetWindowTextQuietly(const std::string& text) {
  quiet_ = true;
  SetWindowTextA(HandleIfAllocated(), text.c_str());
  quiet_ = false;
}

void TComboBox::ItemsChanged() {
  const std::vector<std::string>& lines = items_.Lines();
  bool appended = lines.size() >= shown_.size() && std::equal(shown_.begin(), shown_.end(), lines.begin());
  HWND hwnd = HandleIfAllocated();
  if (!appended) {
    // A new list: no current item; an editable field keeps its text.
    std::string text = style_ == csDropDownList ? std::string() : Text();
    itemIndex_ = -1;
    TWinControl::StoreText(text);
    shown_.clear();
    if (hwnd) {
      SendMessageA(hwnd, CB_RESETCONTENT, 0, 0);
      if (!text.empty()) SetWindowTextQuietly(text);
    }
  }
  if (hwnd)
    for (size_t i = shown_.size(); i < lines.size(); ++i)
      SendMessageA(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lines[i].c_str()));
  shown_ = lines;
}

bool TComboBox::Notify(UINT code, LRESULT& result) {
  result = 0;
  switch (code) {
    case CBN_SELCHANGE: {
      int index = ItemIndex();
      itemIndex_ = index;
      // The field is brought up to date before the handlers read it.
      if (style_ != csDropDownList && index >= 0) SetWindowTextQuietly(items_[index]);
      Click();
      Change();
      return true;
    }
    case CBN_EDITCHANGE:
      if (!quiet_) Change();
      return true;
  }
  return false;
}

void TComboBox::PaintFlatEdge() {
  HWND hwnd = HandleIfAllocated();
  RECT r;
  GetClientRect(hwnd, &r);
  HDC dc = GetDC(hwnd);
  Frame3D(dc, r, Color(), Color(), 2);
  ReleaseDC(hwnd, dc);
}

bool TComboBox::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_PAINT:
      if (ctl3D_) break;
      result = DefaultProc(msg, wp, lp);
      PaintFlatEdge();
      return true;
    case WM_DESTROY:
      // Kept for a window made again (a new Style).
      itemIndex_ = ItemIndex();
      TWinControl::StoreText(Text());
      break;
  }
  return TWinControl::WndProc(msg, wp, lp, result);
}

}  // namespace fw
