// The launcher's two top-level windows as another process finds them.
#pragma once

#include <windows.h>

namespace gv::test {

struct LauncherWindows {
  HWND main = nullptr;    // captioned, with the application title
  HWND splash = nullptr;  // visible, borderless, 213 x 212
};

// The windows of the launcher running in the process; either is null while it is not there.
LauncherWindows FindLauncherWindows(DWORD process);

}  // namespace gv::test
