// Hands a file to the Windows shell, which applies the file type's default verb.
#pragma once

#include <windows.h>

#include <string>

namespace gv {

// ShellExecuteA(owner, NULL, file, params, dir, show). The texts may be of any length; the
// shell's answer is ignored.
void ShellOpenFile(HWND owner, const std::string& file, const std::string& params, const std::string& dir,
                   int show);

}  // namespace gv
