// Input as the user makes it: pointer moves, clicks and keys through SendInput, so that they
// travel the system's path (hit testing, focus, the message loop's filters) to the windows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace gv::test {

void MoveMouse(POINT screen);
void ClickMouse(POINT screen, bool right = false);
// Press and release of a key, with Shift held when shift is set.
void PressKey(WORD vk, bool shift = false);

// Runs the program's message loop (fw::Application) for the time given.
void PumpFor(int milliseconds);
// Runs it until done() holds or the time is up; returns done().
bool PumpUntil(const std::function<bool()>& done, int milliseconds);

// The middle of a window on the screen, and a point given in its client coordinates.
POINT CenterOf(HWND hwnd);
POINT ScreenPoint(HWND hwnd, int x, int y);

std::string WindowText(HWND hwnd);

}  // namespace gv::test
