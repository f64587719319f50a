// Bevels: lines and frames that give a window its grooves and ridges, drawn on the parent.
// A lowered frame is the etched double line around a group; a box is a sunken or raised
// rectangle; the line shapes draw a two-pixel groove along one edge.
#pragma once

#include "framework/win32/control.h"

namespace fw {

enum TBevelShape : int { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine };
extern const EnumType kBevelShapeType;
enum TBevelStyle : int { bsLowered, bsRaised };
extern const EnumType kBevelStyleType;

class TBevel : public TGraphicControl {
 public:
  FW_CLASS()

  explicit TBevel(Component* owner);

  TBevelShape Shape() const { return shape_; }
  void SetShape(TBevelShape shape);
  TBevelStyle Style() const { return style_; }
  void SetStyle(TBevelStyle style);

  void Paint(HDC dc) override;

 private:
  // The outline of a rectangle from its top-left to its bottom-right corner (inclusive):
  // left and top edges in first, right and bottom edges in second.
  void Outline(HDC dc, RECT r, TColor first, TColor second);

  TBevelShape shape_ = bsBox;
  TBevelStyle style_ = bsLowered;
};

}  // namespace fw
