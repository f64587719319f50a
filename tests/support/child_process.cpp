#include "tests/support/child_process.h"

#include "tests/support/window_info.h"

namespace gv::test {

ChildProcess::ChildProcess(const std::string& exe, const std::string& dir) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  std::string command = "\"" + exe + "\"";
  if (!::CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si,
                        &info_))
    info_ = PROCESS_INFORMATION{};
}

ChildProcess::~ChildProcess() {
  if (!Started()) return;
  if (Running()) ::TerminateProcess(info_.hProcess, 1);
  ::CloseHandle(info_.hThread);
  ::CloseHandle(info_.hProcess);
}

bool ChildProcess::Running() const {
  return Started() && ::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool ChildProcess::AwaitExit(int ms, DWORD* code) const {
  if (!Started() || ::WaitForSingleObject(info_.hProcess, ms) != WAIT_OBJECT_0) return false;
  return !code || ::GetExitCodeProcess(info_.hProcess, code);
}

void ChildProcess::Close(HWND main, int ms) {
  if (!Running()) return;
  if (main) ::PostMessageA(main, WM_CLOSE, 0, 0);
  if (!AwaitExit(ms)) ::TerminateProcess(info_.hProcess, 1);
}

HWND ChildProcess::TopWindow(const std::function<bool(HWND)>& match) const {
  return FindTopWindow(info_.dwProcessId, match);
}

}  // namespace gv::test
