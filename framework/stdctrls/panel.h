// Panels: a windowed container that draws an outer bevel, a border, an inner bevel and its
// caption. TCustomPanel publishes nothing of its own, so that classes built on it choose their
// rows; TPanel publishes them all. Used as group frame, edit frame and status line.
#pragma once

#include <string>

#include "framework/win32/win_control.h"

namespace fw {

enum TBevelCut : int { bvNone, bvLowered, bvRaised, bvSpace };
extern const EnumType kBevelCutType;
extern const EnumType kPanelBorderStyleType;

class TCustomPanel : public TWinControl {
 public:
  FW_CLASS()

  enum TPanelBorderStyle : int { bsNone, bsSingle };

  explicit TCustomPanel(Component* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut cut);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut cut);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int width);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int width);
  // bsSingle draws a line round the panel, outside the bevels: sunken with Ctl3D, else flat.
  TPanelBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TPanelBorderStyle style);
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool ctl3D);  // clears ParentCtl3D
  bool ParentCtl3D() const { return parentCtl3D_; }
  void SetParentCtl3D(bool parent);  // takes a parent panel's Ctl3D
  // With ParentColor the panel takes its parent's colour (when set and once loaded); a colour
  // of its own clears it.
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool parent);
  // Whether an embedding container may replace the panel; nothing here embeds one.
  bool Locked() const { return locked_; }
  void SetLocked(bool locked) { locked_ = locked; }

  // A plain panel created by the program takes its new name as caption while the caption
  // still equals the old name (not while it is read from text). Off unless a class turns it on.
  void SetName(const std::string& name) override;
  // Takes the parent's colour and 3-D look where ParentColor and ParentCtl3D ask for them.
  void Loaded() override;

 protected:
  void SetCaptionFollowsName(bool follows) { captionFollowsName_ = follows; }

  // Draws the whole panel: PaintBevels, then PaintCaption inside them.
  virtual void Paint(HDC dc);
  // Draws outer bevel, border and inner bevel inside r and fills what is left with Color;
  // r becomes that inner area.
  void PaintBevels(HDC dc, RECT& r);
  // The caption, one line, vertically centred and aligned by Alignment, clipped to r.
  void PaintCaption(HDC dc, const RECT& r);

  void PaintWindow(HDC dc) override { Paint(dc); }
  void BoundsChanged() override;
  void ColorChanged() override;

 private:
  void DrawBevel(HDC dc, RECT& r, TBevelCut cut);
  void AdoptParentLook();

  TAlignment alignment_ = taCenter;
  TBevelCut bevelInner_ = bvNone, bevelOuter_ = bvRaised;
  int bevelWidth_ = 1, borderWidth_ = 0;
  TPanelBorderStyle borderStyle_ = bsNone;
  bool ctl3D_ = true, parentCtl3D_ = true, parentColor_ = false, locked_ = false, adopting_ = false;
  bool captionFollowsName_ = false;
};

class TPanel : public TCustomPanel {
 public:
  FW_CLASS()
  explicit TPanel(Component* owner) : TCustomPanel(owner) { SetCaptionFollowsName(true); }
};

}  // namespace fw
