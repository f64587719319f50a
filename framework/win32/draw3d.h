// Small drawing helpers shared by the controls that paint themselves: 3-D frames and bevel
// rings, solid fills and one-pixel lines in framework colours.
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

// A one-pixel line from (x1, y1) up to but not including (x2, y2).
void DrawLine(HDC dc, TColor color, int x1, int y1, int x2, int y2);

// Draws text in r with DrawText flags, in the font's colour or, for a disabled control, in the
// engraved look (a highlight copy one pixel down and right under a shadow copy).
void DrawControlText(HDC dc, const std::string& text, RECT r, UINT flags, TColor color, bool enabled);

}  // namespace fw
