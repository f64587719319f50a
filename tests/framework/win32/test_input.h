// Driving real windows in tests as the platform does: the message loop for a while, keys and
// mouse through SendInput, and a watcher that reads and closes a message box.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace fw::test {

// Runs the application's message loop (idle steps included) for ms milliseconds.
void Pump(int ms);
// Runs it until done() holds or ms milliseconds have passed; returns done().
bool PumpUntil(const std::function<bool()>& done, int ms = 3000);

// A key press and release, with Shift held when shift is set.
void PressKey(WORD key, bool shift = false);
// Moves the pointer to a screen point; Click also presses and releases the left button there.
void MoveMouse(POINT screen);
void Click(POINT screen);
// The screen point at the centre of a window.
POINT CentreOf(HWND hwnd);

// A message box as a watcher saw it: its title, its text and whether it had an icon.
struct BoxSeen {
  HWND box = nullptr;
  std::string title, text;
  bool hasIcon = false;
};
// Waits (on another thread) for a dialog box of the given thread, reads it and presses OK.
BoxSeen WatchForBox(DWORD thread);

}  // namespace fw::test
