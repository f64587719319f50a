#include "tests/e2e/launcher_process.h"

// after windows.h
#include <tlhelp32.h>

#include <set>
#include <stdexcept>
#include <vector>

#include "tests/e2e/window_driver.h"
#include "tests/support/file_bytes.h"
#include "tests/support/input.h"
#include "tests/support/launcher_windows.h"
#include "tests/support/message_loop.h"

namespace gv::e2e {
namespace {

using test::FileExists;
using test::ReadFileBytes;
using test::WindowsPath;
using test::WriteFileBytes;

void Copy(const std::string& from, const std::string& to) {
  if (!::CopyFileA(from.c_str(), to.c_str(), FALSE))
    throw std::runtime_error("cannot copy " + from + " to " + to);
}

// The window of another application that the user activates while the splash is up. It is made
// once and kept, and it is disabled while not in use, so that nothing gives it the activation back
// while the launcher is being worked.
HWND OtherWindow() {
  static HWND other = ::CreateWindowExA(0, "STATIC", "another application", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                        0, 0, 160, 60, nullptr, nullptr, nullptr, nullptr);
  return other;
}

}  // namespace

QuakeDir::QuakeDir(const std::string& nested) : dir_(std::make_unique<test::ScratchDir>(nested)) {
  Copy(WindowsPath(GORVALE_EXE), Program());
  const std::string game = WindowsPath(STAND_IN_GAME);
  for (const char* name : {"quake.exe", "glquake.exe", "wqgame.exe"}) Copy(game, Path() + name);
  WriteFileBytes(Path() + "wq.bat", "@wqgame.exe %*\r\n");
}

QuakeDir::~QuakeDir() {
  // The interpreter holds the batch file open until the game it started has ended.
  const std::string batch = Path() + "Gorvale.bat";
  test::Await([&] { return !FileExists(batch) || ::DeleteFileA(batch.c_str()); }, 3000);
}

bool QuakeDir::HasBatchFile() const { return FileExists(Path() + "Gorvale.bat"); }

std::string QuakeDir::BatchFile() const { return ReadFileBytes(Path() + "Gorvale.bat"); }

bool QuakeDir::HasGameRecord() const { return FileExists(Path() + "command-line.txt"); }

void QuakeDir::ForgetGameRecord() const { ::DeleteFileA((Path() + "command-line.txt").c_str()); }

std::string QuakeDir::AwaitGameRecord(int ms) const {
  // The stand-in renames its record into place only when it is complete.
  return test::AwaitFileBytes(Path() + "command-line.txt", ms);
}

Launcher::Launcher(const QuakeDir& dir) : process_(dir.Program(), dir.Path()) {
  if (!process_.Started()) throw std::runtime_error("cannot start " + dir.Program());
}

Launcher::~Launcher() { process_.Close(test::FindLauncherWindows(process_.Id()).main, 5000); }

bool Launcher::AwaitReady(int ms) {
  const DWORD start = ::GetTickCount();
  return AwaitRestored(ms) && AwaitFront(ms - static_cast<int>(::GetTickCount() - start));
}

bool Launcher::AwaitRestored(int ms) {
  const DWORD start = ::GetTickCount();
  auto left = [&] { return ms - static_cast<int>(::GetTickCount() - start); };
  test::LauncherWindows w;
  // The splash, and the main window shown minimised beside it.
  if (!test::Await(
          [&] {
            main_ = (w = test::FindLauncherWindows(process_.Id())).main;
            return w.splash && main_ && ::IsWindowVisible(main_) && ::IsIconic(main_);
          },
          left()))
    return false;
  // Another window becomes active: the splash goes and the main window is restored (or, should the
  // splash not have been active yet, the timer restores it two seconds after the show).
  ::EnableWindow(OtherWindow(), TRUE);
  ::SetForegroundWindow(OtherWindow());
  const bool restored = test::Await(
      [&] {
        test::DispatchPending();
        main_ = (w = test::FindLauncherWindows(process_.Id())).main;
        return !w.splash && main_ && ::IsWindowVisible(main_) && !::IsIconic(main_);
      },
      left());
  ::EnableWindow(OtherWindow(), FALSE);
  return restored;
}

bool Launcher::AwaitFront(int ms) {
  const DWORD start = ::GetTickCount();
  auto left = [&] { return ms - static_cast<int>(::GetTickCount() - start); };
  // A click on the status line brings the launcher to the front. It counts as ready once it has
  // stayed in front with the focus inside for a moment, as a user's next click would come.
  RECT client;
  ::GetClientRect(main_, &client);
  test::ClickAt(test::ScreenPoint(main_, client.right / 2, client.bottom - 8));
  DWORD since = 0;
  const bool ready = test::Await(
      [&] {
        test::DispatchPending();
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        const bool active = ::GetForegroundWindow() == main_ &&
                            ::GetGUIThreadInfo(::GetWindowThreadProcessId(main_, nullptr), &gui) &&
                            gui.hwndFocus && ::IsChild(main_, gui.hwndFocus);
        if (!active)
          since = 0;
        else if (!since)
          since = ::GetTickCount();
        return active && ::GetTickCount() - since >= 150;
      },
      left());
  if (ready) readyAfter_ = static_cast<int>(::GetTickCount() - started_);
  return ready;
}

bool Launcher::AwaitItsProcesses(int ms) const {
  // The descendants of the launcher in one snapshot; they are running while they are listed.
  auto running = [this] {
    std::set<DWORD> family{process_.Id()};
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    std::vector<PROCESSENTRY32> all;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32First(snapshot, &entry); more; more = ::Process32Next(snapshot, &entry))
      all.push_back(entry);
    ::CloseHandle(snapshot);
    for (size_t before = 0; before != family.size();) {
      before = family.size();
      for (const PROCESSENTRY32& p : all)
        if (family.count(p.th32ParentProcessID)) family.insert(p.th32ProcessID);
    }
    for (const PROCESSENTRY32& p : all)
      if (p.th32ProcessID != process_.Id() && family.count(p.th32ProcessID)) return true;
    return false;
  };
  return test::Await([&] { return !running(); }, ms);
}

}  // namespace gv::e2e
