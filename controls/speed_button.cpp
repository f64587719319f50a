#include "controls/speed_button.h"

#include <oleacc.h>

#include <algorithm>

#include "framework/core/property_builders.h"
#include "framework/win32/win_control.h"

namespace gv {

namespace {
const char* const kLayoutNames[] = {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};
constexpr int kDefaultSize = 25;
}  // namespace

const fw::EnumType kButtonLayoutType{"TButtonLayout", kLayoutNames, 4};

const fw::ClassInfo& TSpeedButton::StaticClass() {
  using fw::TControl;
  static const fw::PropInfo kProps[] = {
      fw::BoolProp<&TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp>("AllowAllUp", false),
      fw::StrProp<&TControl::Caption, &TControl::SetCaption>("Caption"),
      fw::BoolProp<&TSpeedButton::Down, &TSpeedButton::SetDown>("Down", false),
      fw::ObjectProp<&TSpeedButton::Glyph>("Glyph"),
      fw::IntProp<&TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex>("GroupIndex", 0),
      fw::EnumProp<&TSpeedButton::Layout, &TSpeedButton::SetLayout>("Layout", kButtonLayoutType, blGlyphLeft),
      fw::IntProp<&TSpeedButton::Margin, &TSpeedButton::SetMargin>("Margin", -1),
      fw::IntProp<&TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs>("NumGlyphs", 1),
      fw::IntProp<&TSpeedButton::Spacing, &TSpeedButton::SetSpacing>("Spacing", 4),
      fw::EventProp<&TSpeedButton::onDblClick>("OnDblClick"),
      fw::EventProp<&TSpeedButton::onMouseDown>("OnMouseDown"),
      fw::EventProp<&TSpeedButton::onMouseMove>("OnMouseMove"),
      fw::EventProp<&TSpeedButton::onMouseUp>("OnMouseUp"),
  };
  static const fw::ClassInfo info = fw::MakeClass<TSpeedButton, fw::TGraphicControl>("TSpeedButton", kProps);
  return info;
}

const fw::ClassInfo& TWin95SpeedButton::StaticClass() {
  static const fw::ClassInfo info = fw::MakeClass<TWin95SpeedButton, TSpeedButton>("TWin95SpeedButton");
  return info;
}

TSpeedButton::TSpeedButton(fw::Component* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, kDefaultSize, kDefaultSize);
  glyph_.onChange = [this] { GlyphChanged(); };
}

void TSpeedButton::SetAllowAllUp(bool allow) {
  if (fw::SetField(allowAllUp_, allow) && !IsLoading()) UpdateGroup();
}

void TSpeedButton::SetGroupIndex(int index) {
  if (!fw::SetField(groupIndex_, index)) return;
  if (IsLoading()) return;  // Down may come before GroupIndex in the text; Loaded sorts it out
  if (groupIndex_ == 0 && down_) {
    down_ = false;
    Invalidate();
  }
  UpdateGroup();
}

void TSpeedButton::SetDown(bool down) {
  if (IsLoading()) {
    down_ = down;
    return;
  }
  if (groupIndex_ == 0) down = false;  // a plain push button never stays down
  if (down == down_) return;
  if (down_ && !allowAllUp_) return;  // the down button of a group that must keep one down
  down_ = down;
  Invalidate();
  if (down_) UpdateGroup();
}

void TSpeedButton::Loaded() {
  TGraphicControl::Loaded();
  if (groupIndex_ == 0) {
    down_ = false;
    return;
  }
  if (!down_ || !Parent()) return;
  for (fw::TControl* c : Parent()->Controls()) {
    auto* other = dynamic_cast<TSpeedButton*>(c);
    if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
      other->down_ = false;
      other->Invalidate();
    }
  }
}

void TSpeedButton::UpdateGroup() {
  if (groupIndex_ == 0 || !Parent()) return;
  for (fw::TControl* c : Parent()->Controls()) {
    auto* other = dynamic_cast<TSpeedButton*>(c);
    if (!other || other == this || other->groupIndex_ != groupIndex_) continue;
    if (down_ && other->down_) {
      other->down_ = false;
      other->Invalidate();
    }
    other->allowAllUp_ = allowAllUp_;
  }
}

void TSpeedButton::SetNumGlyphs(int count) { SetAndInvalidate(numGlyphs_, std::clamp(count, 1, 4)); }

void TSpeedButton::GlyphChanged() {
  // A strip of square frames tells how many frames it holds.
  int w = glyph_.Width(), h = glyph_.Height();
  if (h > 0 && w % h == 0) SetNumGlyphs(w / h < 5 ? w / h : 1);
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout layout) { SetAndInvalidate(layout_, layout); }

void TSpeedButton::SetMargin(int margin) { SetAndInvalidate(margin_, margin); }

void TSpeedButton::SetSpacing(int spacing) { SetAndInvalidate(spacing_, spacing); }

void TSpeedButton::EnabledChanged() {
  tracking_ = false;
  TGraphicControl::EnabledChanged();
}

TSpeedButton::Look TSpeedButton::CurrentLook() const {
  if (!Enabled()) return Look::Disabled;
  if (down_) return Look::Down;
  if (tracking_ && pointerInside_) return Look::Pressed;
  return Look::Up;
}

int TSpeedButton::FrameFor(Look look) const {
  switch (look) {
    case Look::Disabled:
      return numGlyphs_ > 1 ? 1 : -1;
    case Look::Pressed:
      return numGlyphs_ > 2 ? 2 : 0;
    case Look::Down:
      return numGlyphs_ > 3 ? 3 : 0;
    default:
      return 0;
  }
}

void TSpeedButton::DblClick() {
  if (Enabled()) onDblClick(this);
}

void TSpeedButton::Click() {
  fw::Method handler = onClick;
  handler(this);
}

long TSpeedButton::AccessibleRole() const { return ROLE_SYSTEM_PUSHBUTTON; }

std::string TSpeedButton::AccessibleName() const {
  const std::string shortHint = Hint().substr(0, Hint().find('|'));
  return shortHint.empty() ? Caption() : shortHint;
}

void TSpeedButton::MouseDown(fw::MouseButton button, int x, int y) {
  if (!Enabled()) return;
  onMouseDown(this);
  if (button != fw::MouseButton::Left) return;
  tracking_ = true;
  pointerInside_ = Inside(x, y);
  Invalidate();
}

void TSpeedButton::MouseMove(int x, int y) {
  if (Enabled()) onMouseMove(this);
  if (tracking_) SetAndInvalidate(pointerInside_, Inside(x, y));
}

void TSpeedButton::MouseUp(fw::MouseButton button, int x, int y) {
  if (Enabled()) onMouseUp(this);
  if (button != fw::MouseButton::Left || !tracking_) return;
  tracking_ = false;
  bool inside = Inside(x, y);
  Invalidate();
  if (inside && Enabled()) Press();  // a release elsewhere only redraws
}

void TSpeedButton::Press() {
  // In a group the button toggles Down (a down button refuses to come up while AllowAllUp is
  // false), and the click follows.
  if (groupIndex_ != 0) SetDown(!down_);
  Click();
}

}  // namespace gv
