#include "app/shell_open.h"

#include <shellapi.h>

namespace gv {

void ShellOpenFile(HWND owner, const std::string& file, const std::string& params, const std::string& dir,
                   int show) {
  // Whether the shell found something to run is not our concern: the launch goes on regardless.
  ::ShellExecuteA(owner, nullptr, file.c_str(), params.c_str(), dir.c_str(), show);
}

}  // namespace gv
