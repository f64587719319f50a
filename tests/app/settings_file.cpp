#include "tests/app/settings_file.h"

#include <windows.h>

#include <string>

namespace gv::test {

void ForgetSettings() {
  char dir[MAX_PATH] = "";
  ::GetWindowsDirectoryA(dir, sizeof dir);
  ::DeleteFileA((std::string(dir) + "\\Zelt.ini").c_str());
}

}  // namespace gv::test
