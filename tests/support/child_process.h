// A program started by a test and watched from outside: through its process and its top-level
// windows, as another application sees it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace gv::test {

class ChildProcess {
 public:
  // Starts exe (its quoted path the whole command line) with dir as its current folder.
  ChildProcess(const std::string& exe, const std::string& dir);
  // Ends the process if it still runs, and lets go of it.
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return info_.hProcess != nullptr; }
  DWORD Id() const { return info_.dwProcessId; }
  bool Running() const;
  // Waits for the process to end; false after ms. Its exit code goes to code when given.
  bool AwaitExit(int ms, DWORD* code = nullptr) const;
  // Asks the window to close (WM_CLOSE, when there is one), waits ms for the end and ends the
  // process when it stays.
  void Close(HWND main, int ms);
  // The first top-level window of the process, visible or hidden, that match accepts; nullptr
  // when there is none.
  HWND TopWindow(const std::function<bool(HWND)>& match) const;

 private:
  PROCESS_INFORMATION info_{};
};

}  // namespace gv::test
