// Waits until a top-level window with the given caption is shown at least at the given size,
// not minimised, and in front; scripts/run.sh takes its screenshot then. Wine's desktop holds
// every window of the prefix inside one window of the display, so a script cannot find them
// there by their captions.
// Usage: await_window CAPTION WIDTH HEIGHT SECONDS; exit code 0 once the window is up, 1 after
// the time given.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Wanted {
  const char* caption;
  int width, height;
  bool up = false;
};

BOOL CALLBACK Look(HWND hwnd, LPARAM lp) {
  auto* w = reinterpret_cast<Wanted*>(lp);
  char text[256] = "";
  ::GetWindowTextA(hwnd, text, sizeof text);
  RECT r;
  if (std::strcmp(text, w->caption) == 0 && ::IsWindowVisible(hwnd) && !::IsIconic(hwnd) &&
      ::GetForegroundWindow() == hwnd && ::GetWindowRect(hwnd, &r) && r.right - r.left >= w->width &&
      r.bottom - r.top >= w->height)
    w->up = true;
  return !w->up;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: await_window CAPTION WIDTH HEIGHT SECONDS\n");
    return 2;
  }
  Wanted wanted{argv[1], std::atoi(argv[2]), std::atoi(argv[3])};
  const DWORD limit = static_cast<DWORD>(std::atoi(argv[4])) * 1000;
  for (const DWORD start = ::GetTickCount(); ::GetTickCount() - start < limit; ::Sleep(100)) {
    ::EnumWindows(Look, reinterpret_cast<LPARAM>(&wanted));
    if (wanted.up) return 0;
  }
  return 1;
}
