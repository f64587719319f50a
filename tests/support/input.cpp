#include "tests/support/input.h"

namespace gv::test {
namespace {

void Key(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  ::SendInput(1, &input, sizeof input);
}

// A pointer event at a point of the screen, with the button flags given.
void Mouse(POINT screen, DWORD buttons) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  // Absolute coordinates run from 0 to 65535 across the primary screen; each point is aimed at
  // the middle of its pixel, so that the way back to pixels cannot land on a neighbour.
  input.mi.dx = static_cast<LONG>((screen.x * 65535 + 32767) / (::GetSystemMetrics(SM_CXSCREEN) - 1));
  input.mi.dy = static_cast<LONG>((screen.y * 65535 + 32767) / (::GetSystemMetrics(SM_CYSCREEN) - 1));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
  ::SendInput(1, &input, sizeof input);
}

}  // namespace

void MoveMouse(POINT screen) { Mouse(screen, 0); }

void ClickAt(POINT screen, bool right) {
  Mouse(screen, 0);
  // As a hand pauses between reaching a place and pressing: the moves that Wine's desktop echoes
  // back from the old place are over before the press, so that no window that holds the pointer
  // (an open drop-down list, which scrolls towards a pointer above it) sees one between press and
  // release.
  ::Sleep(30);
  Mouse(screen, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
  Mouse(screen, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

void PressKey(WORD vk, bool shift) {
  if (shift) Key(VK_SHIFT, false);
  Key(vk, false);
  Key(vk, true);
  if (shift) Key(VK_SHIFT, true);
}

void PressChord(WORD modifier, WORD vk) {
  Key(modifier, false);
  Key(vk, false);
  Key(vk, true);
  Key(modifier, true);
}

void TypeText(const std::string& text) {
  for (char c : text) {
    const SHORT scan = ::VkKeyScanA(c);
    if (scan != -1) {
      PressKey(static_cast<WORD>(LOBYTE(scan)), (HIBYTE(scan) & 1) != 0);
      continue;
    }
    // A character without a key of its own on the layout, as an input method types it.
    wchar_t wide = 0;
    if (!::MultiByteToWideChar(CP_ACP, 0, &c, 1, &wide, 1)) continue;
    INPUT input[2] = {};
    for (INPUT& i : input) {
      i.type = INPUT_KEYBOARD;
      i.ki.wScan = wide;
      i.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    ::SendInput(2, input, sizeof(INPUT));
  }
}

POINT CentreOf(HWND hwnd) {
  RECT r;
  ::GetWindowRect(hwnd, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

POINT ScreenPoint(HWND hwnd, int x, int y) {
  POINT p{x, y};
  ::ClientToScreen(hwnd, &p);
  return p;
}

}  // namespace gv::test
