#include "framework/stdctrls/image.h"
#include "framework/core/property_builders.h"

namespace fw {

const ClassInfo& TPicture::StaticClass() {
  static const ClassInfo info = MakeClass<TPicture, TBitmap>("TPicture");
  return info;
}

const ClassInfo& TImage::StaticClass() {
  static const PropInfo kProps[] = {
      BoolProp<&TImage::Center, &TImage::SetCenter>("Center", false),
      ObjectProp<&TImage::Picture>("Picture"),
      BoolProp<&TImage::Stretch, &TImage::SetStretch>("Stretch", false),
  };
  static const ClassInfo info = MakeClass<TImage, TGraphicControl>("TImage", kProps);
  return info;
}

TImage::TImage(Component* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 105, 105);
  picture_.onChange = [this] { Invalidate(); };
}

void TImage::SetCenter(bool center) { SetAndInvalidate(center_, center); }

void TImage::SetStretch(bool stretch) { SetAndInvalidate(stretch_, stretch); }

RECT TImage::DestRect() const {
  if (stretch_) return RECT{0, 0, Width(), Height()};
  int w = picture_.Width(), h = picture_.Height();
  int x = center_ ? (Width() - w) / 2 : 0;
  int y = center_ ? (Height() - h) / 2 : 0;
  return RECT{x, y, x + w, y + h};
}

void TImage::Paint(HDC dc) {
  if (picture_.Empty()) return;
  picture_.StretchDraw(dc, DestRect());
}

}  // namespace fw
