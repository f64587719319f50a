// The main window's settings file, which the tests that start the windows clear first.
#pragma once

#include <string>

namespace gv::test {

// Zelt.ini in the Windows directory.
std::string SettingsPath();
// Deletes Zelt.ini in the Windows directory (or an empty directory in its place), so that the
// main window starts with its design values.
void ForgetSettings();
// Zelt.ini's bytes; "" when there is none.
std::string SettingsFileBytes();

}  // namespace gv::test
