// The launcher as a user starts it: a copy of Gorvale.exe in a folder of its own, observed from
// outside through its windows. Start-up (splash, minimised main window, restored and in front two
// seconds later), the splash going early when another window is activated, and the run button.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

#include "app/batch_file.h"
#include "tests/support/child_process.h"
#include "tests/support/file_bytes.h"
#include "tests/support/input.h"
#include "tests/support/launcher_windows.h"
#include "tests/support/message_loop.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/settings_file.h"

namespace gv::test {
namespace {

using Clock = std::chrono::steady_clock;

int MsSince(Clock::time_point t) {
  return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count());
}

// The build's Gorvale.exe.
const std::string kBuiltProgram = WindowsPath(GORVALE_EXE);

using Windows = LauncherWindows;

// A copy of the program in dir, with the stand-in game beside it when asked; its path.
std::string CopyProgram(const ScratchDir& dir, bool withGame) {
  const std::string exe = dir.Path() + "Gorvale.exe";
  EXPECT_TRUE(::CopyFileA(kBuiltProgram.c_str(), exe.c_str(), FALSE)) << kBuiltProgram;
  if (withGame) {
    EXPECT_TRUE(
        ::CopyFileA((ProgramDirectory() + "quake.exe").c_str(), (dir.Path() + "quake.exe").c_str(), FALSE));
  }
  return exe;
}

class Program {
 public:
  // Starts a copy of the program in dir, with the stand-in game beside it when asked.
  Program(const ScratchDir& dir, bool withGame) : process_(CopyProgram(dir, withGame), dir.Path()) {
    EXPECT_TRUE(process_.Started());
  }
  ~Program() { process_.Close(Find().main, 10000); }

  bool WaitForExit(int ms, DWORD* code) { return process_.AwaitExit(ms, code); }

  Windows Find() const { return FindLauncherWindows(process_.Id()); }

  // Waits until cond(windows) holds; returns false after ms.
  template <class Cond>
  bool Await(Cond cond, int ms, Windows* out = nullptr) const {
    Windows w;
    if (!test::Await([&] { return cond(w = Find()); }, ms)) return false;
    if (out) *out = w;
    return true;
  }

 private:
  ChildProcess process_;
};

bool Shown(HWND h) { return h && ::IsWindowVisible(h); }
bool Minimised(const Windows& w) { return Shown(w.main) && ::IsIconic(w.main); }
bool Restored(const Windows& w) { return Shown(w.main) && !::IsIconic(w.main); }

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override { ForgetSettings(); }
  void TearDown() override { ForgetSettings(); }
};

TEST_F(ProgramTest, SplashThenMinimisedMainWindowRestoredAboutTwoSecondsLater) {
  ScratchDir dir;
  Program program(dir, false);
  Windows w;
  // The splash comes first, centred and on top. (The pointer is checked by the window tests:
  // another process cannot compare cursor handles with its own.)
  ASSERT_TRUE(program.Await([](const Windows& x) { return Shown(x.splash); }, 15000, &w)) << "no splash";
  RECT r;
  ::GetWindowRect(w.splash, &r);
  EXPECT_NEAR((r.left + r.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((r.top + r.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  EXPECT_NE(::GetWindowLongA(w.splash, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

  // The main window is shown minimised beside it. About two seconds later the timer restores it
  // and brings it to the front, and the splash, no longer active, goes. Restored means at its own
  // size and in front, which Wine may report a moment after the window stops being iconic.
  ASSERT_TRUE(program.Await(Minimised, 10000, &w)) << "no minimised main window";
  const auto minimisedAt = Clock::now();
  EXPECT_TRUE(Shown(program.Find().splash)) << "the splash stays while the main window is minimised";
  auto up = [](const Windows& x) {
    RECT r;
    return !x.splash && Restored(x) && ::GetWindowRect(x.main, &r) && r.right - r.left == 317 &&
           r.bottom - r.top == 264 && ::GetForegroundWindow() == x.main;
  };
  ASSERT_TRUE(program.Await(up, 8000, &w))
      << "the main window did not come back in front, or the splash stayed";
  const int restoredAfter = MsSince(minimisedAt);
  EXPECT_GE(restoredAfter, 1500);
  EXPECT_LE(restoredAfter, 4000);
  std::printf("[ info     ] restored %d ms after it was shown minimised\n", restoredAfter);

  ::PostMessageA(w.main, WM_CLOSE, 0, 0);
  DWORD code = 1;
  ASSERT_TRUE(program.WaitForExit(10000, &code)) << "the close did not end the program";
  EXPECT_EQ(code, 0u);
}

TEST_F(ProgramTest, ActivatingAnotherWindowRemovesTheSplashAtOnce) {
  ScratchDir dir;
  Program program(dir, false);
  Windows w;
  ASSERT_TRUE(program.Await([](const Windows& x) { return Shown(x.splash) && Minimised(x); }, 15000, &w));
  const auto minimisedAt = Clock::now();

  HWND other = ::CreateWindowExA(0, "STATIC", "another application", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                 200, 100, nullptr, nullptr, nullptr, nullptr);
  ::SetForegroundWindow(other);
  const auto activatedAt = Clock::now();
  const bool done = Await(
      [&] {
        DispatchPending();  // our own window needs its messages
        const Windows now = program.Find();
        return !now.splash && Restored(now);
      },
      1800);
  const int took = MsSince(activatedAt);
  EXPECT_TRUE(done) << "splash still up or main window not restored";
  EXPECT_LT(took, 1200);
  EXPECT_LT(MsSince(minimisedAt), 1900) << "earlier than the timer";
  ::DestroyWindow(other);

  // The timer finds nothing left to do; the window stays normal.
  std::this_thread::sleep_for(std::chrono::milliseconds(2200));
  EXPECT_TRUE(Restored(program.Find()));
}

TEST_F(ProgramTest, RunButtonWithDesignDefaultsWritesTheBatchLineAndCloses) {
  ScratchDir dir;
  Program program(dir, true);
  Windows w;
  ASSERT_TRUE(program.Await([](const Windows& x) { return Restored(x) && !x.splash; }, 15000, &w));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  ClickAt(ScreenPoint(w.main, 159 + 12, 5 + 12));  // the run button on the top bar
  DWORD code = 1;
  ASSERT_TRUE(program.WaitForExit(10000, &code)) << "the program did not close";
  EXPECT_EQ(code, 0u);

  const std::string line = "quake.exe +skill 1 +name \"\" +color 1 1 +deathmatch 1 -game gorvale +map ";
  EXPECT_EQ(ReadFileBytes(dir.Path() + "Gorvale.bat"), line + "\r\n");
  // The shell ran the batch file, which started the stand-in game with the line.
  EXPECT_EQ(AwaitFileBytes(dir.Path() + "command-line.txt", 30000), line);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the interpreter lets go of the folder
}

}  // namespace
}  // namespace gv::test
