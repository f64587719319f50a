#include "tests/support/settings_file.h"

#include <windows.h>

#include "tests/support/file_bytes.h"

namespace gv::test {
std::string SettingsPath() {
  char dir[MAX_PATH] = "";
  ::GetWindowsDirectoryA(dir, sizeof dir);
  return std::string(dir) + "\\Zelt.ini";
}

// A directory in the file's place is what a test of an unreadable file leaves when it is cut
// short; it would make every later start report an unreadable file.
void ForgetSettings() {
  if (!::DeleteFileA(SettingsPath().c_str())) ::RemoveDirectoryA(SettingsPath().c_str());
}

std::string SettingsFileBytes() { return ReadFileBytes(SettingsPath()); }

}  // namespace gv::test
