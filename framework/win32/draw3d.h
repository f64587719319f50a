// Small drawing helpers shared by the controls that paint themselves: 3-D frames and bevel
// rings, solid fills and text in framework colours.
#pragma once

#include <windows.h>

#include <string>

#include "framework/win32/colors.h"

namespace fw {

// Fills r with a colour.
void FillSolid(HDC dc, const RECT& r, TColor color);

// Draws `width` rings just inside r: top and left edges in topLeft, bottom and right edges in
// bottomRight; r shrinks by the rings drawn.
void Frame3D(HDC dc, RECT& r, TColor topLeft, TColor bottomRight, int width);

// Draws text in r with DrawText flags, in the font's colour or, for a disabled control, in the
// engraved look (a highlight copy one pixel down and right under a shadow copy).
void DrawControlText(HDC dc, const std::string& text, RECT r, UINT flags, TColor color, bool enabled);

}  // namespace fw
