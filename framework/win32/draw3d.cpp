#include "framework/win32/draw3d.h"

namespace fw {

void FillSolid(HDC dc, const RECT& r, TColor color) {
  // ExtTextOut with an opaque rectangle fills without a brush object.
  COLORREF old = SetBkColor(dc, ColorToRGB(color));
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

void Frame3D(HDC dc, RECT& r, TColor topLeft, TColor bottomRight, int width) {
  for (int i = 0; i < width && r.right - r.left > 0 && r.bottom - r.top > 0; ++i) {
    FillSolid(dc, RECT{r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    FillSolid(dc, RECT{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    FillSolid(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    FillSolid(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    InflateRect(&r, -1, -1);
  }
}

void DrawControlText(HDC dc, const std::string& text, RECT r, UINT flags, TColor color, bool enabled) {
  int oldMode = SetBkMode(dc, TRANSPARENT);
  int length = static_cast<int>(text.size());
  if (enabled) {
    SetTextColor(dc, ColorToRGB(color));
    DrawTextA(dc, text.c_str(), length, &r, flags);
  } else {
    RECT shifted = r;
    OffsetRect(&shifted, 1, 1);
    SetTextColor(dc, ColorToRGB(clBtnHighlight));
    DrawTextA(dc, text.c_str(), length, &shifted, flags);
    SetTextColor(dc, ColorToRGB(clBtnShadow));
    DrawTextA(dc, text.c_str(), length, &r, flags);
  }
  SetBkMode(dc, oldMode);
}

}  // namespace fw
