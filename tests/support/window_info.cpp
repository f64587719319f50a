#include "tests/support/window_info.h"

namespace gv::test {
namespace {

struct Search {
  DWORD process;
  const std::function<bool(HWND)>& match;
  HWND found;
};

BOOL CALLBACK Visit(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<Search*>(lp);
  DWORD process = 0;
  ::GetWindowThreadProcessId(hwnd, &process);
  if (process != search->process || !search->match(hwnd)) return TRUE;
  search->found = hwnd;
  return FALSE;
}

}  // namespace

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

HWND FindTopWindow(DWORD process, const std::function<bool(HWND)>& match) {
  Search search{process, match, nullptr};
  ::EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace gv::test
