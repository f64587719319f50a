// Windows seen from a test: their class and text, and the top-level windows of a process.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace gv::test {

std::string ClassOf(HWND hwnd);
// The window's text (GetWindowTextA: another process's window answers with its caption).
std::string WindowText(HWND hwnd);
// The first top-level window of the process, visible or hidden, that match accepts; nullptr when
// there is none.
HWND FindTopWindow(DWORD process, const std::function<bool(HWND)>& match);

}  // namespace gv::test
