#include "framework/stdctrls/label.h"

#include "framework/core/property_builders.h"
#include "framework/win32/draw3d.h"
#include "framework/win32/win_control.h"

namespace fw {

const ClassInfo& TLabel::StaticClass() {
  static const PropInfo kProps[] = {
      EnumProp<&TLabel::Alignment, &TLabel::SetAlignment>("Alignment", kAlignmentType, taLeftJustify),
      BoolProp<&TLabel::AutoSize, &TLabel::SetAutoSize>("AutoSize", true),
      StrProp<&TControl::Caption, &TControl::SetCaption>("Caption"),
      RefProp<&TLabel::FocusControl, &TLabel::SetFocusControl>("FocusControl"),
      BoolProp<&TLabel::Transparent, &TLabel::SetTransparent>("Transparent", false),
  };
  static const ClassInfo info = MakeClass<TLabel, TGraphicControl>("TLabel", kProps);
  return info;
}

TLabel::TLabel(Component* owner) : TGraphicControl(owner) { SetBounds(0, 0, 65, 17); }

void TLabel::Notification(Component* component) {
  if (component == focusControl_) focusControl_ = nullptr;
  TGraphicControl::Notification(component);
}

void TLabel::SetAlignment(TAlignment alignment) { SetAndInvalidate(alignment_, alignment); }

void TLabel::SetAutoSize(bool autoSize) {
  if (SetField(autoSize_, autoSize)) AdjustBounds();
}

void TLabel::SetTransparent(bool transparent) { SetAndInvalidate(transparent_, transparent); }

UINT TLabel::DrawFlags() const {
  static const UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  return DT_EXPANDTABS | kAlign[alignment_];
}

SIZE TLabel::TextExtent() {
  std::string text = Caption();
  if (text.empty() || text == "&") text += ' ';
  // A memory DC measures as the screen does, without a trip to the window server for the
  // screen's visible region that GetDC(nullptr) makes.
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font()->Handle());
  RECT r{0, 0, 0, 0};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DrawFlags() | DT_CALCRECT);
  SelectObject(dc, old);
  DeleteDC(dc);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

void TLabel::AdjustBounds() {
  if (!autoSize_ || IsLoading()) return;
  sizePending_ = false;
  SIZE size = TextExtent();
  // A right-aligned label keeps its right edge where it was.
  int left = alignment_ == taRightJustify ? Left() + Width() - size.cx : Left();
  SetBounds(left, Top(), size.cx, size.cy);
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  // Nothing can see the label before its parent has a window, so a label read from a
  // description is measured then: a form made hidden at start-up (the About box) makes no font
  // for its labels until it is first shown. A change of caption or font measures at once.
  if (Parent() && !Parent()->HandleAllocated())
    sizePending_ = true;
  else
    AdjustBounds();
}

void TLabel::ParentWindowCreated() {
  if (sizePending_) AdjustBounds();
}

void TLabel::TextChanged() {
  AdjustBounds();
  Invalidate();
}

void TLabel::FontChanged() {
  AdjustBounds();
  Invalidate();
}

void TLabel::Paint(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  if (!transparent_) FillSolid(dc, r, Color());
  HGDIOBJ old = SelectObject(dc, Font()->Handle());
  DrawControlText(dc, Caption(), r, DrawFlags(), Font()->Color(), EnabledInTree());
  SelectObject(dc, old);
}

}  // namespace fw
