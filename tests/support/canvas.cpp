#include "tests/support/canvas.h"

namespace gv::test {

Canvas::Canvas(int width, int height) : width_(width) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  dc_ = ::CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  bitmap_ = ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  pixels_ = static_cast<const uint32_t*>(bits);
  old_ = ::SelectObject(dc_, bitmap_);
  RECT all{0, 0, width, height};
  HBRUSH brush = ::CreateSolidBrush(kBlank);
  ::FillRect(dc_, &all, brush);
  ::DeleteObject(brush);
}

Canvas::~Canvas() {
  ::SelectObject(dc_, old_);
  ::DeleteObject(bitmap_);
  ::DeleteDC(dc_);
}

uint32_t Canvas::Rgb(int x, int y) const {
  ::GdiFlush();
  return pixels_[y * width_ + x] & 0xFFFFFF;
}

bool Canvas::Any(COLORREF color, RECT r) const {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (At(x, y) == color) return true;
  return false;
}

}  // namespace gv::test
