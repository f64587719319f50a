#include "tests/support/window_info.h"

namespace gv::test {

std::string ClassOf(HWND hwnd) {
  char name[64] = "";
  ::GetClassNameA(hwnd, name, sizeof name);
  return name;
}

std::string WindowText(HWND hwnd) {
  char text[512] = "";
  ::GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

}  // namespace gv::test
