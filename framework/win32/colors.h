// Colours as the description text names them: RGB values, or system colours with the high bit.
#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/core/property.h"

namespace fw {

using TColor = int32_t;

constexpr TColor kSystemColor = static_cast<TColor>(0x80000000u);
constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = kSystemColor | COLOR_BTNFACE, clWindow = kSystemColor | COLOR_WINDOW,
                 clWindowText = kSystemColor | COLOR_WINDOWTEXT, clBtnShadow = kSystemColor | COLOR_BTNSHADOW,
                 clBtnHighlight = kSystemColor | COLOR_BTNHIGHLIGHT, clBtnText = kSystemColor | COLOR_BTNTEXT,
                 clGrayText = kSystemColor | COLOR_GRAYTEXT, clHighlight = kSystemColor | COLOR_HIGHLIGHT,
                 clHighlightText = kSystemColor | COLOR_HIGHLIGHTTEXT, clInfoBk = kSystemColor | COLOR_INFOBK,
                 cl3DDkShadow = kSystemColor | COLOR_3DDKSHADOW, cl3DLight = kSystemColor | COLOR_3DLIGHT;

// The identifiers that colour properties are written with.
extern const IntIdentMap kColorIdents;

COLORREF ColorToRGB(TColor color);

}  // namespace fw
