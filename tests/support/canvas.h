// A memory bitmap for painting tests: 32 bits a pixel, first filled with a colour that no
// painting uses, and read back pixel by pixel.
#pragma once

#include <windows.h>

#include <cstdint>

namespace gv::test {

class Canvas {
 public:
  // What no painting touches.
  static constexpr COLORREF kBlank = RGB(255, 0, 255);

  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // The memory device context, with the bitmap selected into it.
  HDC Dc() const { return dc_; }
  // The DIB section; nullptr when it could not be made.
  HBITMAP Bitmap() const { return bitmap_; }
  // A pixel as a COLORREF (GetPixel).
  COLORREF At(int x, int y) const { return ::GetPixel(dc_, x, y); }
  // A pixel as 0xRRGGBB, read from the bitmap's memory once GDI has drawn what it holds.
  uint32_t Rgb(int x, int y) const;
  // Whether any pixel of the colour lies in the rectangle.
  bool Any(COLORREF color, RECT r) const;

 private:
  int width_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  const uint32_t* pixels_ = nullptr;
};

}  // namespace gv::test
