// Input as the user makes it: pointer moves, clicks and keys through SendInput, so that they
// travel the system's path (hit testing, focus, activation, the message loop's filters) to the
// windows, whichever process owns them.
#pragma once

#include <windows.h>

#include <string>

namespace gv::test {

// Moves the pointer to a point of the screen. In Wine's desktop the move can reach the windows as
// the new place, the old one and the new one again (Wine grabs the pointer to move it there, and
// its desktop reads the grab as a move to where the pointer was), and the old place may come last
// for a moment: check what hovering shows once it has held, not how often it changed.
void MoveMouse(POINT screen);
// A click at a point of the screen: a move there, a pause for the desktop's echoes, and the press
// and release. The button events carry the point themselves: under Wine a late pointer notice
// from the display can move the pointer back between a move and a press.
void ClickAt(POINT screen, bool right = false);
// A press and release of a key, with Shift held when shift is set.
void PressKey(WORD vk, bool shift = false);
// Presses a key with a modifier held (VK_MENU for Alt, VK_CONTROL, VK_SHIFT).
void PressChord(WORD modifier, WORD vk);
// Types text on the focused window: each character as its key, with Shift where the layout
// needs it; an ANSI character that has no key as the Unicode input an input method makes.
void TypeText(const std::string& text);

// The middle of a window on the screen, and a point given in its client coordinates.
POINT CentreOf(HWND hwnd);
POINT ScreenPoint(HWND hwnd, int x, int y);

}  // namespace gv::test
