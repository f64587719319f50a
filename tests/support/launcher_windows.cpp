#include "tests/support/launcher_windows.h"

#include "tests/support/window_info.h"

namespace gv::test {
namespace {

struct Search {
  DWORD process;
  LauncherWindows found;
};

BOOL CALLBACK Collect(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  DWORD process = 0;
  ::GetWindowThreadProcessId(hwnd, &process);
  if (process != s->process) return TRUE;
  const LONG style = ::GetWindowLongA(hwnd, GWL_STYLE);
  if ((style & WS_CAPTION) == WS_CAPTION && WindowText(hwnd) == "OEM Gorvale FE") s->found.main = hwnd;
  if (!(style & WS_CAPTION) && (style & WS_POPUP) && ::IsWindowVisible(hwnd)) {
    RECT r;
    ::GetWindowRect(hwnd, &r);
    if (r.right - r.left == 213 && r.bottom - r.top == 212) s->found.splash = hwnd;
  }
  return TRUE;
}

}  // namespace

LauncherWindows FindLauncherWindows(DWORD process) {
  Search search{process, {}};
  ::EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace gv::test
