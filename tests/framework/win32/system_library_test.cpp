// Functions of Windows' own libraries loaded on first use, from the system directory only.
#include "framework/win32/system_library.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace fw {
namespace {

std::string ProgramDir() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path, length);
  return dir.substr(0, dir.find_last_of('\\') + 1);
}

TEST(SystemLibraryTest, FindsSystemFunctionsAndNothingElse) {
  using Execute = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
  EXPECT_NE(SystemFunctionAs<Execute>("shell32.dll", "ShellExecuteA"), nullptr);
  EXPECT_NE(SystemFunction("comctl32.dll", "InitCommonControlsEx"), nullptr);
  EXPECT_EQ(SystemFunction("shell32.dll", "NoSuchFunction"), nullptr);
  EXPECT_EQ(SystemFunction("no_such_library.dll", "Anything"), nullptr);
}

// A library of that name beside the program is never the one loaded. (The copy here is not a
// valid image: a load attempt from the program's folder would fail where the system's succeeds.)
TEST(SystemLibraryTest, ALibraryBesideTheProgramIsNotLoaded) {
  const std::string planted = ProgramDir() + "mpr.dll";
  std::ofstream(planted, std::ios::binary) << "MZ not a library";
  EXPECT_EQ(GetModuleHandleA("mpr.dll"), nullptr) << "pick a library this test does not load already";
  EXPECT_NE(SystemFunction("mpr.dll", "WNetGetConnectionA"), nullptr);
  DeleteFileA(planted.c_str());
}

}  // namespace
}  // namespace fw
