// Images: a picture drawn on the parent, at the top-left corner, centred, or stretched over
// the whole control. The picture is a BMP file held in the Picture sub-object
// ("Picture.Data = {...}" in description text).
#pragma once

#include "framework/win32/bitmap.h"
#include "framework/win32/control.h"

namespace fw {

// The picture of an image: a bitmap under the name the description text gives it.
class TPicture : public TBitmap {
 public:
  FW_CLASS()
};

class TImage : public TGraphicControl {
 public:
  FW_CLASS()

  explicit TImage(Component* owner);

  TPicture* Picture() { return &picture_; }
  bool Center() const { return center_; }
  void SetCenter(bool center);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);

  // Where the picture goes in the control's own coordinates.
  RECT DestRect() const;
  void Paint(HDC dc) override;

 private:
  TPicture picture_;
  bool center_ = false, stretch_ = false;
};

}  // namespace fw
