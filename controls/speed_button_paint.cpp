// Drawing of speed buttons: the face (raised, sunken, dithered when latched down), then the
// glyph frame and the caption placed by Layout, Margin and Spacing.
#include <string>

#include "controls/speed_button.h"
#include "framework/win32/draw3d.h"

namespace gv {

namespace {

struct Placement {
  POINT glyph;
  RECT text;
};

// Places glyph and caption in the client area. Along the layout's axis: Margin -1 centres the
// pair, Spacing -1 spreads the free room evenly; across it each is centred.
Placement PlaceContents(SIZE client, SIZE glyph, SIZE text, TButtonLayout layout, int margin, int spacing) {
  bool across = layout == blGlyphLeft || layout == blGlyphRight;
  int room = across ? client.cx : client.cy;
  int g = across ? glyph.cx : glyph.cy;
  int t = across ? text.cx : text.cy;
  if (g == 0 || t == 0) spacing = 0;  // only one thing to place
  if (margin == -1 && spacing == -1) {
    spacing = margin = (room - g - t) / 3;
  } else if (margin == -1) {
    margin = (room - g - spacing - t + 1) / 2;
  } else if (spacing == -1) {
    spacing = (room - margin - g - t + 1) / 2;
  }
  int gAt, tAt;
  if (layout == blGlyphLeft || layout == blGlyphTop) {
    gAt = margin;
    tAt = margin + g + spacing;
  } else {
    gAt = room - margin - g;
    tAt = gAt - spacing - t;
  }
  Placement p;
  if (across) {
    p.glyph = POINT{gAt, (client.cy - glyph.cy + 1) / 2};
    int top = (client.cy - text.cy + 1) / 2;
    p.text = RECT{tAt, top, tAt + text.cx, top + text.cy};
  } else {
    p.glyph = POINT{(client.cx - glyph.cx + 1) / 2, gAt};
    int left = (client.cx - text.cx + 1) / 2;
    p.text = RECT{left, tAt, left + text.cx, tAt + text.cy};
  }
  return p;
}

// The 50% pattern of a latched button: face and highlight colours in a checkerboard.
void FillDithered(HDC dc, const RECT& r) {
  static const WORD kPattern[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
  HBITMAP bits = CreateBitmap(8, 8, 1, 1, kPattern);
  HBRUSH brush = CreatePatternBrush(bits);
  COLORREF oldText = SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
  COLORREF oldBack = SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
  FillRect(dc, &r, brush);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
  DeleteObject(brush);
  DeleteObject(bits);
}

}  // namespace

void TSpeedButton::Paint(HDC dc) {
  Look look = CurrentLook();
  PaintFace(dc, look);
  PaintContents(dc, look, look == Look::Pressed || look == Look::Down ? 1 : 0);
}

void TSpeedButton::PaintFace(HDC dc, Look look) {
  RECT r = ClientRect();
  bool sunken = look == Look::Pressed || look == Look::Down;
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (sunken ? DFCS_PUSHED : 0));
  if (look == Look::Down) {
    InflateRect(&r, -2, -2);
    FillDithered(dc, r);
  }
}

void TSpeedButton::PaintContents(HDC dc, Look look, int offset) {
  std::string caption = Caption();
  HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
  SIZE text{0, 0};
  if (!caption.empty()) {
    RECT measure{0, 0, 0, 0};
    DrawTextA(dc, caption.c_str(), -1, &measure, DT_CALCRECT | DT_SINGLELINE);
    text = SIZE{measure.right, measure.bottom};
  }
  SIZE glyph{0, 0};
  if (!glyph_.Empty()) glyph = SIZE{glyph_.Width() / numGlyphs_, glyph_.Height()};
  Placement p = PlaceContents(SIZE{Width(), Height()}, glyph, text, layout_, margin_, spacing_);
  OffsetRect(&p.text, offset, offset);
  int gx = p.glyph.x + offset, gy = p.glyph.y + offset;

  COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
  if (glyph.cx > 0) {
    int frame = FrameFor(look);
    RECT source{frame < 0 ? 0 : frame * glyph.cx, 0, 0, glyph.cy};
    source.right = source.left + glyph.cx;
    if (frame < 0)
      glyph_.DrawEmbossed(dc, gx, gy, source, light, shadow);
    else
      glyph_.DrawTransparent(dc, gx, gy, source);
  }
  if (!caption.empty()) {
    fw::DrawControlText(dc, caption, p.text, DT_CENTER | DT_VCENTER | DT_SINGLELINE, Font()->Color(),
                        look != Look::Disabled);
  }
  SelectObject(dc, oldFont);
}

}  // namespace gv
