#include "tests/support/settings_file.h"

#include <windows.h>

#include "tests/support/file_bytes.h"

namespace gv::test {
std::string SettingsPath() {
  char dir[MAX_PATH] = "";
  ::GetWindowsDirectoryA(dir, sizeof dir);
  return std::string(dir) + "\\Zelt.ini";
}

void ForgetSettings() { ::DeleteFileA(SettingsPath().c_str()); }

std::string SettingsFileBytes() { return ReadFileBytes(SettingsPath()); }

}  // namespace gv::test
