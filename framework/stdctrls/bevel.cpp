#include "framework/stdctrls/bevel.h"

#include "framework/core/property_builders.h"
#include "framework/win32/draw3d.h"

namespace fw {

namespace {
const char* const kShapeNames[] = {"bsBox",        "bsFrame",    "bsTopLine",
                                   "bsBottomLine", "bsLeftLine", "bsRightLine"};
const char* const kStyleNames[] = {"bsLowered", "bsRaised"};
}  // namespace

const EnumType kBevelShapeType{"TBevelShape", kShapeNames, 6};
const EnumType kBevelStyleType{"TBevelStyle", kStyleNames, 2};

const ClassInfo& TBevel::StaticClass() {
  static const PropInfo kProps[] = {
      EnumProp<&TBevel::Shape, &TBevel::SetShape>("Shape", kBevelShapeType, bsBox),
      EnumProp<&TBevel::Style, &TBevel::SetStyle>("Style", kBevelStyleType, bsLowered),
  };
  static const ClassInfo info = MakeClass<TBevel, TGraphicControl>("TBevel", kProps);
  return info;
}

TBevel::TBevel(Component* owner) : TGraphicControl(owner) { SetBounds(0, 0, 50, 50); }

void TBevel::SetShape(TBevelShape shape) { SetAndInvalidate(shape_, shape); }

void TBevel::SetStyle(TBevelStyle style) { SetAndInvalidate(style_, style); }

void TBevel::Outline(HDC dc, RECT r, TColor first, TColor second) {
  FillSolid(dc, RECT{r.left, r.top, r.right, r.top + 1}, first);
  FillSolid(dc, RECT{r.left, r.top, r.left + 1, r.bottom + 1}, first);
  FillSolid(dc, RECT{r.right, r.top, r.right + 1, r.bottom + 1}, second);
  FillSolid(dc, RECT{r.left + 1, r.bottom, r.right + 1, r.bottom + 1}, second);
}

void TBevel::Paint(HDC dc) {
  // The lit and the shaded colour; a lowered bevel has the shade on its top and left.
  TColor dark = clBtnShadow, light = clBtnHighlight;
  TColor first = style_ == bsLowered ? dark : light;
  TColor second = style_ == bsLowered ? light : dark;
  int w = Width(), h = Height();
  switch (shape_) {
    case bsBox:
      Outline(dc, RECT{0, 0, w - 1, h - 1}, first, second);
      break;
    case bsFrame:
      // Two outlines one pixel apart: the etched groove (lowered) or ridge (raised).
      Outline(dc, RECT{1, 1, w - 1, h - 1}, second, second);
      Outline(dc, RECT{0, 0, w - 2, h - 2}, first, first);
      break;
    case bsTopLine:
      FillSolid(dc, RECT{0, 0, w, 1}, first);
      FillSolid(dc, RECT{0, 1, w, 2}, second);
      break;
    case bsBottomLine:
      FillSolid(dc, RECT{0, h - 2, w, h - 1}, first);
      FillSolid(dc, RECT{0, h - 1, w, h}, second);
      break;
    case bsLeftLine:
      FillSolid(dc, RECT{0, 0, 1, h}, first);
      FillSolid(dc, RECT{1, 0, 2, h}, second);
      break;
    case bsRightLine:
      FillSolid(dc, RECT{w - 2, 0, w - 1, h}, first);
      FillSolid(dc, RECT{w - 1, 0, w, h}, second);
      break;
  }
}

}  // namespace fw
