// Pictures of windows for looking at: what the screen shows of a window, kept as a BMP file.
#pragma once

#include <windows.h>

#include <string>

namespace gv::test {

// Copies the window's rectangle of the screen into a BMP file; false when it cannot be written.
bool SaveWindowPicture(HWND hwnd, const std::string& path);

}  // namespace gv::test
