#include "tests/framework/win32/test_input.h"

#include <chrono>
#include <thread>

#include "framework/win32/application.h"

namespace fw::test {

namespace {

using Clock = std::chrono::steady_clock;

void SendKeyEvent(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

void SendMouseEvent(POINT screen, DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  SendInput(1, &input, sizeof input);
}

BOOL CALLBACK FindDialog(HWND window, LPARAM param) {
  char cls[16] = "";
  GetClassNameA(window, cls, sizeof cls);
  if (lstrcmpA(cls, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  reinterpret_cast<BoxSeen*>(param)->box = window;
  return FALSE;
}

BOOL CALLBACK ReadBoxChild(HWND child, LPARAM param) {
  auto* seen = reinterpret_cast<BoxSeen*>(param);
  char cls[16] = "";
  GetClassNameA(child, cls, sizeof cls);
  if (lstrcmpiA(cls, "Static") != 0) return TRUE;
  if (SendMessageA(child, STM_GETICON, 0, 0)) {
    seen->hasIcon = true;
  } else {
    char text[256] = "";
    GetWindowTextA(child, text, sizeof text);
    if (text[0]) seen->text = text;
  }
  return TRUE;
}

}  // namespace

void Pump(int ms) {
  PumpUntil([] { return false; }, ms);
}

bool PumpUntil(const std::function<bool()>& done, int ms) {
  // A thread timer wakes the loop, so that its idle step runs and the time is checked.
  UINT_PTR wake = SetTimer(nullptr, 0, 10, nullptr);
  const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
  bool result = done();
  while (!result && Clock::now() < deadline) {
    Application()->HandleMessage();
    result = done();
  }
  KillTimer(nullptr, wake);
  return result;
}

void PressKey(WORD key, bool shift) {
  if (shift) SendKeyEvent(VK_SHIFT, false);
  SendKeyEvent(key, false);
  SendKeyEvent(key, true);
  if (shift) SendKeyEvent(VK_SHIFT, true);
}

void MoveMouse(POINT screen) { SendMouseEvent(screen, 0); }

void Click(POINT screen) {
  SendMouseEvent(screen, 0);
  SendMouseEvent(screen, MOUSEEVENTF_LEFTDOWN);
  SendMouseEvent(screen, MOUSEEVENTF_LEFTUP);
}

POINT CentreOf(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

BoxSeen WatchForBox(DWORD thread) {
  BoxSeen seen;
  const auto deadline = Clock::now() + std::chrono::seconds(20);
  while (!seen.box && Clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EnumThreadWindows(thread, FindDialog, reinterpret_cast<LPARAM>(&seen));
  }
  if (!seen.box) return seen;
  char title[256] = "";
  GetWindowTextA(seen.box, title, sizeof title);
  seen.title = title;
  EnumChildWindows(seen.box, ReadBoxChild, reinterpret_cast<LPARAM>(&seen));
  PostMessageA(seen.box, WM_COMMAND, IDOK, 0);
  return seen;
}

}  // namespace fw::test
