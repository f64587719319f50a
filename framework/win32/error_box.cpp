#include "framework/win32/error_box.h"

namespace fw {

void ShowErrorBox(HWND owner, const std::string& title, const std::string& message) {
  const std::string text = message + ".";
  ::MessageBoxA(owner, text.c_str(), title.c_str(), MB_ICONERROR | MB_OK);
}

}  // namespace fw
