#include "framework/win32/control.h"

#include <iterator>

#include "framework/core/property_builders.h"
#include "framework/win32/popup_menu.h"
#include "framework/win32/win_control.h"
#include "framework/win32/window_accessible.h"

namespace fw {

namespace {
const char* const kAlignNames[] = {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"};
const char* const kAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
const IntIdent kCursors[] = {
    {"crDefault", 0},     {"crNone", -1},     {"crArrow", -2},    {"crCross", -3},     {"crIBeam", -4},
    {"crSizeNESW", -6},   {"crSizeNS", -7},   {"crSizeNWSE", -8}, {"crSizeWE", -9},    {"crUpArrow", -10},
    {"crHourGlass", -11}, {"crDrag", -12},    {"crNoDrop", -13},  {"crHSplit", -14},   {"crVSplit", -15},
    {"crMultiDrag", -16}, {"crSQLWait", -17}, {"crNo", -18},      {"crAppStart", -19}, {"crHelp", -20},
    {"crHandPoint", -21}, {"crSize", -22},
};
}  // namespace

const EnumType kAlignType{"TAlign", kAlignNames, 6};
const EnumType kAlignmentType{"TAlignment", kAlignmentNames, 3};
const IntIdentMap kCursorIdents{kCursors, static_cast<int>(std::size(kCursors))};

// Published by every control. A class adds its "Caption" or "Text" row itself, and publishes a
// row again to give it another default ("Color" of an edit box is clWindow).
const ClassInfo& TControl::StaticClass() {
  static const PropInfo kProps[] = {
      IntProp<&TControl::Left, &TControl::SetLeft>("Left", 0).NoDefault(),
      IntProp<&TControl::Top, &TControl::SetTop>("Top", 0).NoDefault(),
      IntProp<&TControl::Width, &TControl::SetWidth>("Width", 0).NoDefault(),
      IntProp<&TControl::Height, &TControl::SetHeight>("Height", 0).NoDefault(),
      EnumProp<&TControl::Align, &TControl::SetAlign>("Align", kAlignType, alNone),
      IntProp<&TControl::Color, &TControl::SetColor>("Color", clBtnFace).WithIdents(kColorIdents),
      BoolProp<&TControl::Enabled, &TControl::SetEnabled>("Enabled", true),
      ObjectProp<&TControl::Font>("Font").StoredIf<&TControl::IsFontStored>(),
      BoolProp<&TControl::ParentFont, &TControl::SetParentFont>("ParentFont", true),
      StrProp<&TControl::Hint, &TControl::SetHint>("Hint"),
      BoolProp<&TControl::ParentShowHint, &TControl::SetParentShowHint>("ParentShowHint", true),
      RefProp<&TControl::PopupMenu, &TControl::SetPopupMenu>("PopupMenu"),
      BoolProp<&TControl::ShowHint, &TControl::SetShowHint>("ShowHint", false)
          .StoredIf<&TControl::IsShowHintStored>(),
      BoolProp<&TControl::Visible, &TControl::SetVisible>("Visible", true),
      EventProp<&TControl::onClick>("OnClick"),
  };
  static const ClassInfo info = MakeClass<TControl, Component>("TControl", kProps);
  return info;
}

TControl::TControl(Component* owner) : Component(owner) {
  font_.onChange = [this] {
    if (!adoptingFont_) parentFont_ = false;
    FontChanged();
  };
}

TControl::~TControl() {
  if (parent_) {
    parent_->ChildDestroyed(this);
    parent_->RemoveControl(this);
  }
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) parent_->RemoveControl(this);
  parent_ = parent;
  if (parent_) {
    parent_->InsertControl(this);
    ParentFontChanged();
    if (align_ != alNone) parent_->AlignControls();
  }
  Invalidate();
}

TControl* TControl::TopLevel() {
  TControl* c = this;
  while (c->parent_) c = c->parent_;
  return c;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  BoundsChanged();
  if (parent_ && align_ != alNone) parent_->AlignControls();
}

POINT TControl::ClientToScreen(POINT p) const {
  if (parent_) {
    POINT origin = parent_->ClientToScreen(POINT{0, 0});
    return POINT{origin.x + left_ + p.x, origin.y + top_ + p.y};
  }
  return POINT{left_ + p.x, top_ + p.y};
}

void TControl::SetAlign(TAlign align) {
  if (SetField(align_, align) && parent_) parent_->AlignControls();
}

void TControl::SetVisible(bool visible) {
  if (SetField(visible_, visible)) VisibleChanged();
}

void TControl::SetEnabled(bool enabled) {
  if (SetField(enabled_, enabled)) EnabledChanged();
}

bool TControl::Showing() const { return visible_ && (!parent_ || parent_->Showing()); }

bool TControl::EnabledInTree() const { return enabled_ && (!parent_ || parent_->EnabledInTree()); }

void TControl::SetText(const std::string& text) {
  if (text == Text()) return;
  StoreText(text);
  TextChanged();
}

bool TControl::ShowHint() const {
  if (parentShowHint_ && parent_) return parent_->ShowHint();
  return showHint_;
}

void TControl::SetShowHint(bool show) {
  showHint_ = show;
  parentShowHint_ = false;
}

void TControl::SetParentShowHint(bool parent) {
  if (parent && !parentShowHint_) showHint_ = parent_ ? parent_->ShowHint() : showHint_;
  parentShowHint_ = parent;
}

void TControl::SetParentFont(bool parent) {
  parentFont_ = parent;
  ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!parentFont_ || !parent_) return;
  adoptingFont_ = true;
  font_.Assign(*parent_->Font());
  adoptingFont_ = false;
}

void TControl::SetColor(TColor color) {
  if (SetField(color_, color)) ColorChanged();
}

void TControl::Invalidate() {}

Component* TControl::ParentComponent() const { return parent_; }

void TControl::SetParentComponent(Component* parent) { SetParent(dynamic_cast<TWinControl*>(parent)); }

void TControl::Notification(Component* component) {
  if (component == popupMenu_) popupMenu_ = nullptr;
  Component::Notification(component);
}

const ClassInfo& TGraphicControl::StaticClass() {
  static const ClassInfo info = MakeClass<TGraphicControl, TControl>("TGraphicControl");
  return info;
}

void TGraphicControl::Invalidate() {
  TWinControl* parent = Parent();
  if (!parent || !parent->HandleAllocated() || !Visible()) return;
  RECT r = BoundsRect();
  InvalidateRect(parent->HandleIfAllocated(), &r, TRUE);
}

void TGraphicControl::BoundsChanged() {
  // The old place must be repainted as well as the new one.
  if (Parent()) Parent()->Invalidate();
}

void TGraphicControl::EnabledChanged() {
  Invalidate();
  NotifyAccessibleState(*this);
}

void TGraphicControl::VisibleChanged() {
  if (Parent()) Parent()->Invalidate();
}

}  // namespace fw
