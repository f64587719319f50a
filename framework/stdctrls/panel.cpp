#include "framework/stdctrls/panel.h"

#include <algorithm>

#include "framework/core/property_builders.h"
#include "framework/win32/draw3d.h"

namespace fw {

namespace {
const char* const kBevelCutNames[] = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
const char* const kBorderStyleNames[] = {"bsNone", "bsSingle"};
constexpr TColor kWindowFrame = kSystemColor | COLOR_WINDOWFRAME;
}  // namespace

const EnumType kBevelCutType{"TBevelCut", kBevelCutNames, 4};
const EnumType kPanelBorderStyleType{"TBorderStyle", kBorderStyleNames, 2};

const ClassInfo& TCustomPanel::StaticClass() {
  static const ClassInfo info = MakeClass<TCustomPanel, TWinControl>("TCustomPanel");
  return info;
}

const ClassInfo& TPanel::StaticClass() {
  static const PropInfo kProps[] = {
      EnumProp<&TCustomPanel::Alignment, &TCustomPanel::SetAlignment>("Alignment", kAlignmentType, taCenter),
      EnumProp<&TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner>("BevelInner", kBevelCutType, bvNone),
      EnumProp<&TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter>("BevelOuter", kBevelCutType,
                                                                        bvRaised),
      IntProp<&TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth>("BevelWidth", 1),
      IntProp<&TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth>("BorderWidth", 0),
      StrProp<&TControl::Caption, &TControl::SetCaption>("Caption"),
  };
  static const ClassInfo info = MakeClass<TPanel, TCustomPanel>("TPanel", kProps);
  return info;
}

TCustomPanel::TCustomPanel(Component* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 41); }

void TCustomPanel::SetAlignment(TAlignment alignment) { SetAndInvalidate(alignment_, alignment); }

void TCustomPanel::SetBevelInner(TBevelCut cut) { SetAndInvalidate(bevelInner_, cut); }

void TCustomPanel::SetBevelOuter(TBevelCut cut) { SetAndInvalidate(bevelOuter_, cut); }

void TCustomPanel::SetBevelWidth(int width) { SetAndInvalidate(bevelWidth_, std::max(width, 1)); }

void TCustomPanel::SetBorderStyle(TPanelBorderStyle style) { SetAndInvalidate(borderStyle_, style); }

void TCustomPanel::SetCtl3D(bool ctl3D) {
  parentCtl3D_ = adopting_ && parentCtl3D_;
  SetAndInvalidate(ctl3D_, ctl3D);
}

void TCustomPanel::SetParentCtl3D(bool parent) {
  parentCtl3D_ = parent;
  if (parent && !IsLoading()) AdoptParentLook();
}

void TCustomPanel::SetParentColor(bool parent) {
  parentColor_ = parent;
  if (parent && !IsLoading()) AdoptParentLook();
}

void TCustomPanel::ColorChanged() {
  if (!adopting_) parentColor_ = false;
  TWinControl::ColorChanged();
}

void TCustomPanel::Loaded() {
  TWinControl::Loaded();
  AdoptParentLook();
}

void TCustomPanel::AdoptParentLook() {
  if (!Parent()) return;
  adopting_ = true;
  if (parentColor_) SetColor(Parent()->Color());
  if (auto* panel = dynamic_cast<TCustomPanel*>(Parent()); panel && parentCtl3D_) SetCtl3D(panel->Ctl3D());
  adopting_ = false;
}

void TCustomPanel::SetBorderWidth(int width) { SetAndInvalidate(borderWidth_, std::max(width, 0)); }

void TCustomPanel::SetName(const std::string& name) {
  bool follow = captionFollowsName_ && !IsLoading() && Caption() == Name();
  TWinControl::SetName(name);
  if (follow) SetCaption(name);
}

void TCustomPanel::DrawBevel(HDC dc, RECT& r, TBevelCut cut) {
  switch (cut) {
    case bvLowered:
      Frame3D(dc, r, clBtnShadow, clBtnHighlight, bevelWidth_);
      break;
    case bvRaised:
      Frame3D(dc, r, clBtnHighlight, clBtnShadow, bevelWidth_);
      break;
    case bvSpace:
      Frame3D(dc, r, Color(), Color(), bevelWidth_);
      break;
    case bvNone:
      break;
  }
}

void TCustomPanel::PaintBevels(HDC dc, RECT& r) {
  if (borderStyle_ == bsSingle && ctl3D_) {
    Frame3D(dc, r, clBtnShadow, clBtnHighlight, 1);
    Frame3D(dc, r, cl3DDkShadow, cl3DLight, 1);
  } else if (borderStyle_ == bsSingle) {
    Frame3D(dc, r, kWindowFrame, kWindowFrame, 1);
  }
  DrawBevel(dc, r, bevelOuter_);
  Frame3D(dc, r, Color(), Color(), borderWidth_);
  DrawBevel(dc, r, bevelInner_);
  if (r.right > r.left && r.bottom > r.top) FillSolid(dc, r, Color());
}

void TCustomPanel::PaintCaption(HDC dc, const RECT& r) {
  std::string text = Caption();
  if (text.empty()) return;
  static const UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  HGDIOBJ old = SelectObject(dc, Font()->Handle());
  DrawControlText(dc, text, r, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX | kAlign[alignment_],
                  Font()->Color(), EnabledInTree());
  SelectObject(dc, old);
}

void TCustomPanel::Paint(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  PaintBevels(dc, r);
  PaintCaption(dc, r);
}

void TCustomPanel::BoundsChanged() {
  TWinControl::BoundsChanged();
  Invalidate();  // the bevels follow the edges
}

}  // namespace fw
