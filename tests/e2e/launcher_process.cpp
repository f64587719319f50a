#include "tests/e2e/launcher_process.h"

#include <stdexcept>

#include "tests/app/ui_input.h"

namespace gv::e2e {
namespace {

using test::FileExists;
using test::ReadFileBytes;
using test::WriteFileBytes;

// The build's programs as Windows paths (the build tree is on Wine's drive Z:).
std::string WindowsPath(std::string path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  return "Z:" + path;
}

void Copy(const std::string& from, const std::string& to) {
  if (!::CopyFileA(from.c_str(), to.c_str(), FALSE))
    throw std::runtime_error("cannot copy " + from + " to " + to);
}

std::string WindowText(HWND hwnd) {
  char text[256] = "";
  ::GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

struct Search {
  DWORD pid;
  HWND main = nullptr;
  HWND splash = nullptr;
};

BOOL CALLBACK Collect(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hwnd, &pid);
  if (pid != s->pid) return TRUE;
  const LONG style = ::GetWindowLongA(hwnd, GWL_STYLE);
  if ((style & WS_CAPTION) == WS_CAPTION && WindowText(hwnd) == "OEM Gorvale FE") s->main = hwnd;
  // The splash: a visible borderless pop-up of 213 x 212.
  if (!(style & WS_CAPTION) && (style & WS_POPUP) && ::IsWindowVisible(hwnd)) {
    RECT r;
    ::GetWindowRect(hwnd, &r);
    if (r.right - r.left == 213 && r.bottom - r.top == 212) s->splash = hwnd;
  }
  return TRUE;
}

constexpr char kProgramSettings[] = "Software\\Wine\\AppDefaults\\Gorvale.exe";

// The window of another application that the user activates while the splash is up. It is made
// once and kept: destroying it while a launcher starts would hold that launcher up.
HWND OtherWindow() {
  static HWND other = ::CreateWindowExA(0, "STATIC", "another application", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                        0, 0, 160, 60, nullptr, nullptr, nullptr, nullptr);
  return other;
}

}  // namespace

UnmanagedWindows::UnmanagedWindows() {
  HKEY key = nullptr;
  const std::string path = std::string(kProgramSettings) + "\\X11 Driver";
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) == ERROR_SUCCESS) {
    ::RegSetValueExA(key, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
    ::RegCloseKey(key);
  }
}

UnmanagedWindows::~UnmanagedWindows() {
  ::RegDeleteKeyA(HKEY_CURRENT_USER, (std::string(kProgramSettings) + "\\X11 Driver").c_str());
  ::RegDeleteKeyA(HKEY_CURRENT_USER, kProgramSettings);
}

void PumpOwnMessages() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
}

QuakeDir::QuakeDir(const std::string& nested) : dir_(std::make_unique<test::ScratchDir>(nested)) {
  Copy(WindowsPath(GORVALE_EXE), Program());
  const std::string game = WindowsPath(STAND_IN_GAME);
  for (const char* name : {"quake.exe", "glquake.exe", "wqgame.exe"}) Copy(game, Path() + name);
  WriteFileBytes(Path() + "wq.bat", "@wqgame.exe %*\r\n");
}

QuakeDir::~QuakeDir() {
  // The interpreter holds the batch file open until the game it started has ended.
  const std::string batch = Path() + "Gorvale.bat";
  Await([&] { return !FileExists(batch) || ::DeleteFileA(batch.c_str()); }, 3000);
}

bool QuakeDir::HasBatchFile() const { return FileExists(Path() + "Gorvale.bat"); }

std::string QuakeDir::BatchFile() const { return ReadFileBytes(Path() + "Gorvale.bat"); }

bool QuakeDir::HasGameRecord() const { return FileExists(Path() + "command-line.txt"); }

void QuakeDir::ForgetGameRecord() const { ::DeleteFileA((Path() + "command-line.txt").c_str()); }

std::string QuakeDir::AwaitGameRecord(int ms) const {
  // The stand-in renames its record into place only when it is complete.
  Await([this] { return HasGameRecord(); }, ms);
  return ReadFileBytes(Path() + "command-line.txt");
}

Launcher::Launcher(const QuakeDir& dir) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  const std::string exe = dir.Program();
  std::string command = "\"" + exe + "\"";
  started_ = ::GetTickCount();
  if (!::CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, dir.Path().c_str(),
                        &si, &info_))
    throw std::runtime_error("cannot start " + exe);
}

Launcher::~Launcher() {
  if (Running()) {
    HWND splash = nullptr;
    if (HWND main = FindMain(&splash)) ::PostMessageA(main, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(info_.hProcess, 5000) != WAIT_OBJECT_0) ::TerminateProcess(info_.hProcess, 1);
  }
  ::CloseHandle(info_.hThread);
  ::CloseHandle(info_.hProcess);
}

HWND Launcher::FindMain(HWND* splash) const {
  Search search{info_.dwProcessId};
  ::EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
  *splash = search.splash;
  return search.main;
}

bool Launcher::AwaitReady(int ms) {
  const DWORD start = ::GetTickCount();
  auto left = [&] { return ms - static_cast<int>(::GetTickCount() - start); };
  HWND splash = nullptr;
  // The splash, and the main window shown minimised beside it.
  if (!Await(
          [&] {
            main_ = FindMain(&splash);
            return splash && main_ && ::IsWindowVisible(main_) && ::IsIconic(main_);
          },
          left()))
    return false;
  // Another window becomes active: the splash goes and the main window is restored (or, should the
  // splash not have been active yet, the timer restores it two seconds after the show).
  ::SetForegroundWindow(OtherWindow());
  if (!Await(
          [&] {
            PumpOwnMessages();
            main_ = FindMain(&splash);
            return !splash && main_ && ::IsWindowVisible(main_) && !::IsIconic(main_);
          },
          left()))
    return false;
  // A click on the status line brings the launcher to the front. It counts as ready once it has
  // stayed in front with the focus inside for a moment, as a user's next click would come: a
  // drop-down list opened in the same instant was seen to close again on a loaded machine.
  RECT client;
  ::GetClientRect(main_, &client);
  test::ClickMouse(test::ScreenPoint(main_, client.right / 2, client.bottom - 8));
  DWORD since = 0;
  const bool ready = Await(
      [&] {
        PumpOwnMessages();
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

bool Launcher::AwaitExit(int ms, DWORD* code) {
  if (::WaitForSingleObject(info_.hProcess, ms) != WAIT_OBJECT_0) return false;
  if (code) ::GetExitCodeProcess(info_.hProcess, code);
  return true;
}

}  // namespace gv::e2e
