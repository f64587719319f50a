// The settings through the faults a user meets: a log-off with the window open, a settings file
// that another program holds open, a second start. (A save that fails as the window closes:
// launch_edges_test.cpp.)
#include <string>

#include "tests/e2e/scenario.h"
#include "tests/support/file_bytes.h"
#include "tests/support/launcher_windows.h"

namespace gv::e2e {
namespace {

class SettingsFaults : public Scenario {
 protected:
  // Zelt.ini opened as another program may hold it: without sharing, until Release.
  struct HeldFile {
    HANDLE handle = ::CreateFileA(test::SettingsPath().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ~HeldFile() { Release(); }
    bool Held() const { return handle != INVALID_HANDLE_VALUE; }
    void Release() {
      if (Held()) ::CloseHandle(handle);
      handle = INVALID_HANDLE_VALUE;
    }
  };

  static FILETIME LastWrite() {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ::GetFileAttributesExA(test::SettingsPath().c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
  }
};

TEST_F(SettingsFaults, ALogOffWithTheWindowOpenSavesThroughTheCloseQuery) {
  WindowDriver& ui = Start();
  ASSERT_TRUE(ui.ClickTo("CheckBox7", true));
  ASSERT_TRUE(ui.TypeInto("Edit1", "ranger"));
  // As Windows does at a log-off: it asks each top-level window, then tells it the session ends,
  // and after that the process may go at any moment without another message.
  DWORD_PTR answer = 0;
  ASSERT_TRUE(::SendMessageTimeoutA(ui.Main(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                                    10000, &answer));
  EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE)) << "the session may end";
  KeptValues kept = DesignValues();
  kept.Check("CheckBox7").Text("Edit1", "ranger");
  ExpectSettings(kept);
  ASSERT_TRUE(::SendMessageTimeoutA(ui.Main(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                                    10000, &answer));
  HANDLE process = ::OpenProcess(PROCESS_TERMINATE, FALSE, Program().ProcessId());
  ASSERT_NE(process, nullptr);
  ::TerminateProcess(process, 0);
  ::CloseHandle(process);
  ASSERT_TRUE(Program().AwaitExit(10000));
  RestartExpecting(kept);
  CloseByExitButton();
}

TEST_F(SettingsFaults, ASettingsFileHeldOpenWithoutSharingIsReportedOnceAndKeptAsItIs) {
  const std::string users = Users().SettingsFile();
  test::WriteFileBytes(test::SettingsPath(), users);
  HeldFile held;
  ASSERT_TRUE(held.Held());
  std::string report;
  WindowDriver& ui = StartWithReport(report);
  EXPECT_EQ(report.rfind("Settings file " + test::SettingsPath() + " cannot be read (", 0), 0u) << report;
  EXPECT_NE(report.find("the settings are kept as they are"), std::string::npos) << report;
  ASSERT_TRUE(ui.ClickTo("CheckBox7", true));
  KeptValues shown = DesignValues();
  ExpectShown(shown.Check("CheckBox7"));  // nothing of the file applied
  CloseByExitButton();
  held.Release();
  EXPECT_EQ(test::SettingsFileBytes(), users) << "the close wrote over the user's settings";
}

TEST_F(SettingsFaults, ASecondStartBringsTheRunningLauncherToTheFrontAndTouchesNothing) {
  test::WriteFileBytes(test::SettingsPath(), Users().SettingsFile());
  Start();
  const HWND main = Program().Main();
  ::ShowWindow(main, SW_MINIMIZE);
  ASSERT_TRUE(test::Await([&] { return ::IsIconic(main) != FALSE; }, 5000));
  const FILETIME written = LastWrite();
  {
    test::ChildProcess second(Dir().Program(), Dir().Path());
    DWORD code = 1;
    ASSERT_TRUE(second.AwaitExit(15000, &code)) << "the second start did not end";
    EXPECT_EQ(code, 0u);
  }
  EXPECT_TRUE(test::Await([&] { return !::IsIconic(main) && ::GetForegroundWindow() == main; }, 10000))
      << "the running launcher was not restored and brought to the front";
  const FILETIME after = LastWrite();
  EXPECT_EQ(test::SettingsFileBytes(), Users().SettingsFile());
  EXPECT_EQ(::CompareFileTime(&written, &after), 0) << "Zelt.ini was written";
  EXPECT_FALSE(Dir().HasBatchFile());
  ::PostMessageA(main, WM_CLOSE, 0, 0);
  ExpectClosedWithoutLaunch();
}

TEST_F(SettingsFaults, ASecondStartDuringTheSplashLeavesTheStartUpAsItIs) {
  test::WriteFileBytes(test::SettingsPath(), Users().SettingsFile());
  Launcher first(Dir());
  test::LauncherWindows w;
  ASSERT_TRUE(test::Await(
      [&] {
        w = test::FindLauncherWindows(first.ProcessId());
        return w.splash && w.main && ::IsIconic(w.main);
      },
      15000));
  {
    test::ChildProcess second(Dir().Program(), Dir().Path());
    DWORD code = 1;
    ASSERT_TRUE(second.AwaitExit(15000, &code)) << "the second start did not end";
    EXPECT_EQ(code, 0u);
  }
  w = test::FindLauncherWindows(first.ProcessId());
  if (w.splash) {
    EXPECT_TRUE(::IsIconic(w.main)) << "the main window came up under the splash";
  }
  // The splash timer then brings the window up as on any start.
  EXPECT_TRUE(test::Await(
      [&] {
        w = test::FindLauncherWindows(first.ProcessId());
        return !w.splash && w.main && !::IsIconic(w.main);
      },
      15000));
  EXPECT_EQ(test::SettingsFileBytes(), Users().SettingsFile());
  EXPECT_FALSE(Dir().HasBatchFile());
}

}  // namespace
}  // namespace gv::e2e
