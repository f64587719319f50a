// The second yardstick of the start-up benchmark: the windows the launcher opens at start-up and
// nothing else. A stay-on-top frameless window in the middle of the screen with a child window
// filling it, painted at once, then a captioned window shown minimised behind it; no window
// descriptions, no controls, no settings. The launcher's time over this program's is the share
// of its own work; this program's over the bare one-window program's is what the windows cost.
#include <windows.h>

namespace {

constexpr int kSplashWidth = 213, kSplashHeight = 212, kMainWidth = 317, kMainHeight = 264;

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY && !GetParent(hwnd) && !(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST))
    PostQuitMessage(0);
  return DefWindowProcA(hwnd, msg, wp, lp);
}

POINT Centred(int width, int height) {
  return {(GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2};
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "BareTwoWindows";
  RegisterClassA(&wc);

  POINT at = Centred(kSplashWidth, kSplashHeight);
  HWND splash = CreateWindowExA(WS_EX_TOPMOST, "BareTwoWindows", "", WS_POPUP | WS_CLIPCHILDREN, at.x, at.y,
                                kSplashWidth, kSplashHeight, nullptr, nullptr, instance, nullptr);
  CreateWindowExA(0, "BareTwoWindows", "", WS_CHILD | WS_VISIBLE, 0, 0, kSplashWidth, kSplashHeight, splash,
                  nullptr, instance, nullptr);
  ShowWindow(splash, SW_SHOWNORMAL);
  UpdateWindow(splash);

  at = Centred(kMainWidth, kMainHeight);
  HWND main =
      CreateWindowExA(0, "BareTwoWindows", "Bare", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                      at.x, at.y, kMainWidth, kMainHeight, nullptr, nullptr, instance, nullptr);
  ShowWindow(main, SW_SHOWMINNOACTIVE);

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
