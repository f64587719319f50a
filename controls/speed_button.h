// Speed buttons: small picture buttons without a window of their own, drawn on their parent
// and never taking the keyboard focus. A button with a non-zero GroupIndex latches (Down) and
// releases the other buttons of its group on the same parent. The glyph holds up to four
// frames side by side: up, disabled, pressed, down.
#pragma once

#include "framework/win32/bitmap.h"
#include "framework/win32/control.h"

namespace gv {

enum TButtonLayout : int { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
extern const fw::EnumType kButtonLayoutType;

class TSpeedButton : public fw::TGraphicControl {
 public:
  FW_CLASS()

  enum class Look { Up, Disabled, Pressed, Down };

  explicit TSpeedButton(fw::Component* owner);

  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool allow);  // passed on to the whole group
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index);
  bool Down() const { return down_; }
  void SetDown(bool down);
  fw::TBitmap* Glyph() { return &glyph_; }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int count);  // 1 to 4
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  int Margin() const { return margin_; }
  void SetMargin(int margin);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);

  // How the button is drawn at present, and which glyph frame that uses (-1: the embossed
  // copy of the up frame).
  Look CurrentLook() const;
  int FrameFor(Look look) const;

  // Runs a copy of the click handler: the handler may destroy the button (a panel rebuilding
  // its grid from a click).
  void Click() override;
  // A click of the mouse on the button: the toggle in a group, then Click.
  void Press() override;
  // A push button to assistive technology, named by the short part of its hint, else by its
  // caption.
  long AccessibleRole() const override;
  std::string AccessibleName() const override;
  void Paint(HDC dc) override;
  void MouseDown(fw::MouseButton button, int x, int y) override;
  void MouseMove(int x, int y) override;
  void MouseUp(fw::MouseButton button, int x, int y) override;
  void DblClick() override;
  void Loaded() override;

  // Raised for an enabled button, with the button as sender, before its own handling.
  fw::Method onDblClick, onMouseDown, onMouseMove, onMouseUp;

 protected:
  void EnabledChanged() override;

 private:
  void GlyphChanged();
  // Tells the other buttons of the group on the same parent: they come up when this one is
  // down, and take over its AllowAllUp.
  void UpdateGroup();
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }
  void PaintFace(HDC dc, Look look);
  void PaintContents(HDC dc, Look look, int offset);

  fw::TBitmap glyph_;
  int groupIndex_ = 0, numGlyphs_ = 1, margin_ = -1, spacing_ = 4;
  bool down_ = false, allowAllUp_ = false;
  TButtonLayout layout_ = blGlyphLeft;
  bool tracking_ = false, pointerInside_ = false;  // left button held since a press on it
};

// The speed button of the main window's toolbar and pages, under a class name of its own.
class TWin95SpeedButton : public TSpeedButton {
 public:
  FW_CLASS()
  using TSpeedButton::TSpeedButton;
};

}  // namespace gv
