#include "framework/stdctrls/bit_btn.h"

#include <string>

#include "framework/core/property_builders.h"
#include "framework/win32/draw3d.h"
#include "framework/win32/form.h"

namespace fw {

namespace {

const char* const kKindNames[] = {"bkCustom", "bkOK",    "bkCancel", "bkHelp",   "bkYes", "bkNo",
                                  "bkClose",  "bkAbort", "bkRetry",  "bkIgnore", "bkAll"};

struct KindInfo {
  const char* caption;
  int modalResult;
  bool isDefault;
  enum { kNone, kTick, kCross } glyph;
};

const KindInfo kKinds[] = {
    {"", mrNone, false, KindInfo::kNone},          {"OK", mrOk, true, KindInfo::kTick},
    {"Cancel", mrCancel, false, KindInfo::kCross}, {"&Help", mrNone, false, KindInfo::kNone},
    {"&Yes", mrYes, true, KindInfo::kTick},        {"&No", mrNo, false, KindInfo::kCross},
    {"&Close", mrNone, false, KindInfo::kNone},    {"Abort", mrAbort, false, KindInfo::kCross},
    {"&Retry", mrRetry, false, KindInfo::kNone},   {"&Ignore", mrIgnore, false, KindInfo::kNone},
    {"&All", mrAll, false, KindInfo::kTick},
};

// Messages after which the button may look different (pressed, focused, enabled).
bool ChangesLook(UINT msg) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
    case BM_SETSTATE:
      return true;
  }
  return false;
}

}  // namespace

const EnumType kBitBtnKindType{"TBitBtnKind", kKindNames, 11};

const ClassInfo& TBitBtn::StaticClass() {
  static const PropInfo kProps[] = {
      BoolProp<&TWinControl::TabStop, &TWinControl::SetTabStop>("TabStop", true),
      StrProp<&TControl::Caption, &TControl::SetCaption>("Caption").StoredIf<&TBitBtn::IsCaptionStored>(),
      BoolProp<&TBitBtn::Default, &TBitBtn::SetDefault>("Default", false)
          .NoDefault()
          .StoredIf<&TBitBtn::IsDefaultStored>(),
      EnumProp<&TBitBtn::Kind, &TBitBtn::SetKind>("Kind", kBitBtnKindType, bkCustom),
      IntProp<&TBitBtn::ModalResult, &TBitBtn::SetModalResult>("ModalResult", 0),
  };
  static const ClassInfo info = MakeClass<TBitBtn, TWinControl>("TBitBtn", kProps);
  return info;
}

TBitBtn::TBitBtn(Component* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
}

bool TBitBtn::IsCaptionStored() const { return Caption() != kKinds[kind_].caption; }

bool TBitBtn::IsDefaultStored() const { return default_ != kKinds[kind_].isDefault; }

void TBitBtn::SetDefault(bool isDefault) { SetAndInvalidate(default_, isDefault); }

void TBitBtn::SetKind(TBitBtnKind kind) {
  if (kind == kind_ || kind < bkCustom || kind > bkAll) return;
  std::string oldCaption = kKinds[kind_].caption;
  kind_ = kind;
  if (kind_ != bkCustom) {
    // A caption of the user's own stays; an empty one or the old kind's follows the kind.
    if (Caption().empty() || Caption() == oldCaption) SetCaption(kKinds[kind_].caption);
    SetDefault(kKinds[kind_].isDefault);
    modalResult_ = kKinds[kind_].modalResult;
  }
  Invalidate();
}

void TBitBtn::Click() {
  if (modalResult_ != mrNone)
    if (TForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
  TWinControl::Click();
}

bool TBitBtn::DialogKey(UINT key) {
  if (key != VK_RETURN || !CanFocus()) return false;
  auto* focused = dynamic_cast<TBitBtn*>(FromHandle(GetFocus()));
  if (focused != this && !(default_ && !focused)) return false;
  Click();
  return true;
}

void TBitBtn::CreateParamsFor(CreateParams& params) {
  TWinControl::CreateParamsFor(params);
  params.className = "BUTTON";
  params.style = WS_CHILD | WS_CLIPSIBLINGS | BS_OWNERDRAW;
}

bool TBitBtn::Notify(UINT code, LRESULT& result) {
  if (code != BN_CLICKED) return false;
  result = 0;
  Click();
  return true;
}

bool TBitBtn::ShowsDefaultFrame() const {
  if (Focused()) return true;
  return default_ && !dynamic_cast<TBitBtn*>(FromHandle(GetFocus()));
}

bool TBitBtn::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  HWND hwnd = HandleIfAllocated();
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      Paint(dc);
      EndPaint(hwnd, &ps);
      result = 0;
      return true;
    }
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_LBUTTONDBLCLK:
      // A quick second click is a click too, not the native button's double-click notice.
      InvalidateRect(hwnd, nullptr, FALSE);
      result = DefaultProc(WM_LBUTTONDOWN, wp, lp);
      return true;
    case WM_MOUSEMOVE:
      // Dragged off or back on while held: pressed look on and off.
      if (GetCapture() == hwnd) InvalidateRect(hwnd, nullptr, FALSE);
      break;
  }
  // The native button draws an owner-drawn button through its parent only; repaint here, the
  // paint reading the state once the message is done.
  if (ChangesLook(msg)) InvalidateRect(hwnd, nullptr, FALSE);
  return TWinControl::WndProc(msg, wp, lp, result);
}

void TBitBtn::DrawGlyph(HDC dc, int x, int y, bool enabled) {
  const KindInfo& info = kKinds[kind_];
  if (info.glyph == KindInfo::kNone) return;
  TColor color = !enabled ? clBtnShadow : info.glyph == KindInfo::kTick ? clGreen : clMaroon;
  HPEN pen = CreatePen(PS_SOLID, 3, ColorToRGB(color));
  HGDIOBJ old = SelectObject(dc, pen);
  if (info.glyph == KindInfo::kTick) {
    POINT tick[] = {{x + 3, y + 9}, {x + 7, y + 13}, {x + 15, y + 4}};
    Polyline(dc, tick, 3);
  } else {
    MoveToEx(dc, x + 4, y + 4, nullptr);
    LineTo(dc, x + 14, y + 14);
    MoveToEx(dc, x + 14, y + 4, nullptr);
    LineTo(dc, x + 4, y + 14);
  }
  SelectObject(dc, old);
  DeleteObject(pen);
}

void TBitBtn::Paint(HDC dc) {
  HWND hwnd = HandleIfAllocated();
  RECT r{0, 0, Width(), Height()};
  bool pushed = (SendMessageA(hwnd, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  bool enabled = EnabledInTree();
  if (ShowsDefaultFrame()) Frame3D(dc, r, clBlack, clBlack, 1);
  FillSolid(dc, r, clBtnFace);
  RECT face = r;
  if (pushed)
    Frame3D(dc, face, clBtnShadow, clBtnShadow, 1);
  else {
    Frame3D(dc, face, clBtnHighlight, cl3DDkShadow, 1);
    Frame3D(dc, face, cl3DLight, clBtnShadow, 1);
  }

  // Glyph and caption side by side, centred as one block; shifted while pressed.
  std::string text = Caption();
  HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
  RECT measure{0, 0, 0, 0};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &measure, DT_SINGLELINE | DT_CALCRECT);
  bool glyph = kKinds[kind_].glyph != KindInfo::kNone;
  int textWidth = measure.right - measure.left;
  int block = (glyph ? kGlyphSize : 0) + (glyph && !text.empty() ? kSpacing : 0) + textWidth;
  int x = (Width() - block) / 2 + (pushed ? 1 : 0);
  int mid = Height() / 2 + (pushed ? 1 : 0);
  if (glyph) {
    DrawGlyph(dc, x, mid - kGlyphSize / 2, enabled);
    x += kGlyphSize + kSpacing;
  }
  RECT textRect{x, mid - Height(), x + textWidth, mid + Height()};
  DrawControlText(dc, text, textRect, DT_SINGLELINE | DT_VCENTER | DT_LEFT, Font()->Color(), enabled);
  SelectObject(dc, oldFont);

  if (Focused()) {
    RECT focus = r;
    InflateRect(&focus, -3, -3);
    SetTextColor(dc, ColorToRGB(clBlack));
    SetBkColor(dc, ColorToRGB(clBtnFace));
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace fw
