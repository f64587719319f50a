// What a window shows of itself: its class and its text.
#pragma once

#include <windows.h>

#include <string>

namespace gv::test {

std::string ClassOf(HWND hwnd);
// The window's text (GetWindowTextA: another process's window answers with its caption).
std::string WindowText(HWND hwnd);

}  // namespace gv::test
