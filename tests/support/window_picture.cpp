#include "tests/support/window_picture.h"

#include <stdexcept>

#include "framework/core/bmp_image.h"
#include "tests/support/canvas.h"
#include "tests/support/file_bytes.h"

namespace gv::test {

bool SaveWindowPicture(HWND hwnd, const std::string& path) {
  RECT r;
  ::GetWindowRect(hwnd, &r);
  fw::BmpImage image;
  image.width = r.right - r.left;
  image.height = r.bottom - r.top;
  Canvas canvas(image.width, image.height);
  HDC screen = ::GetDC(nullptr);
  ::BitBlt(canvas.Dc(), 0, 0, image.width, image.height, screen, r.left, r.top, SRCCOPY);
  ::ReleaseDC(nullptr, screen);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) image.pixels.push_back(canvas.Rgb(x, y));
  try {
    WriteFileBytes(path, fw::EncodeBmp(image));
  } catch (const std::runtime_error&) {
    return false;
  }
  return true;
}

}  // namespace gv::test
