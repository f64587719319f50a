// The launcher as a user has it: a Quake directory holding Gorvale.exe beside the game
// programs, and the running program seen from outside through its process and windows.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "tests/support/child_process.h"
#include "tests/support/scratch_dir.h"

namespace gv::e2e {

// A scratch Quake directory: a copy of the built Gorvale.exe, the stand-in game as quake.exe and
// glquake.exe, and a wq.bat that hands its arguments to another copy of the stand-in
// (wqgame.exe). Whichever the batch file starts records its command line in command-line.txt.
class QuakeDir {
 public:
  // nested: the folders below the scratch folder, "\" between them.
  explicit QuakeDir(const std::string& nested = "Quake");
  // Waits (bounded) for the command interpreter to let go of Gorvale.bat before the removal.
  ~QuakeDir();
  QuakeDir(const QuakeDir&) = delete;
  QuakeDir& operator=(const QuakeDir&) = delete;

  const std::string& Path() const { return dir_->Path(); }
  std::string Program() const { return Path() + "Gorvale.exe"; }
  bool HasBatchFile() const;
  std::string BatchFile() const;
  // The stand-in game's record of its command line; "" when none came within ms.
  std::string AwaitGameRecord(int ms) const;
  bool HasGameRecord() const;
  void ForgetGameRecord() const;

 private:
  std::unique_ptr<test::ScratchDir> dir_;
};

// One run of Gorvale.exe in a Quake directory.
class Launcher {
 public:
  explicit Launcher(const QuakeDir& dir);
  // Closes a window left open (WM_CLOSE) and ends the process if it does not go.
  ~Launcher();
  Launcher(const Launcher&) = delete;
  Launcher& operator=(const Launcher&) = delete;

  // Waits until the splash has gone and the main window is restored, in front and with the
  // keyboard focus inside it. The user does not wait for the splash: another window of the
  // desktop is activated while it is up, which sends it away, and then the launcher is clicked.
  bool AwaitReady(int ms);
  // The two halves of AwaitReady: the splash gone and the window restored; then in front.
  bool AwaitRestored(int ms);
  bool AwaitFront(int ms);
  HWND Main() const { return main_; }
  DWORD ThreadId() const { return ::GetWindowThreadProcessId(main_, nullptr); }
  DWORD ProcessId() const { return process_.Id(); }

  bool Running() const { return process_.Running(); }
  // Waits for the process to end; false after ms.
  bool AwaitExit(int ms, DWORD* code = nullptr) { return process_.AwaitExit(ms, code); }
  // Waits until the processes the launcher started (the command interpreter with its console and
  // the game) have ended; false after ms. Left running, the interpreter's console window would
  // come and go over the next launcher and take the front from it.
  bool AwaitItsProcesses(int ms) const;
  // Milliseconds from the start of the process to AwaitReady's success.
  int ReadyAfter() const { return readyAfter_; }

 private:
  DWORD started_ = ::GetTickCount();
  test::ChildProcess process_;
  HWND main_ = nullptr;
  int readyAfter_ = -1;
};

}  // namespace gv::e2e
