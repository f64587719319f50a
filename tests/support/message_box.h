// Message boxes (the error box) in tests: found, read and closed, in this process or another. A
// modal box shown by the code under test would otherwise wait for a user.
#pragma once

#include <windows.h>

#include <string>
#include <thread>

namespace gv::test {

// A message box as it was seen: its owner, its title, its text and whether it had an icon.
struct BoxSeen {
  HWND box = nullptr;
  HWND owner = nullptr;
  std::string title, text;
  bool hasIcon = false;
};

// Reads a dialog box: its title, the text of its static control beside the icon, and the icon.
BoxSeen ReadBox(HWND box);
// A visible dialog box of a process with the title; nullptr when there is none.
HWND FindBoxOfProcess(DWORD process, const std::string& title);

// Watches a thread (by default the one that makes the watcher) from a thread of its own for a
// dialog box, reads it and presses OK.
class BoxWatcher {
 public:
  BoxWatcher() : BoxWatcher(::GetCurrentThreadId()) {}
  explicit BoxWatcher(DWORD thread);
  ~BoxWatcher();
  BoxWatcher(const BoxWatcher&) = delete;
  BoxWatcher& operator=(const BoxWatcher&) = delete;

  // Waits (up to 20 s) for the box and returns what it showed; box is null if none came.
  BoxSeen Seen();
  // Stops watching at once and returns what was seen so far; box is null if none came.
  BoxSeen Stop();

 private:
  void Watch();

  DWORD thread_;
  BoxSeen seen_;
  volatile bool stop_ = false;
  std::thread worker_;
};

}  // namespace gv::test
