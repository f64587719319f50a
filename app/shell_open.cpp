#include "app/shell_open.h"

#include <shellapi.h>

#include "framework/win32/system_library.h"

namespace gv {

void ShellOpenFile(HWND owner, const std::string& file, const std::string& params, const std::string& dir,
                   int show) {
  // Shell32 is loaded here, at the launch, rather than at every start of the program.
  using Execute = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
  const auto execute = fw::SystemFunctionAs<Execute>("shell32.dll", "ShellExecuteA");
  // Whether the shell found something to run is not our concern: the launch goes on regardless.
  if (execute) execute(owner, nullptr, file.c_str(), params.c_str(), dir.c_str(), show);
}

}  // namespace gv
