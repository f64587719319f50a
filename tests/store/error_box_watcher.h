// Watches the calling thread for a dialog box (the error box), reads it and presses OK: a modal
// box shown by the code under test would otherwise wait for a user.
#pragma once

#include <windows.h>

#include <string>
#include <thread>

namespace store_test {

struct BoxSeen {
  HWND box = nullptr;
  std::string title;
  std::string text;
};

class BoxWatcher {
 public:
  BoxWatcher();
  ~BoxWatcher();
  BoxWatcher(const BoxWatcher&) = delete;
  BoxWatcher& operator=(const BoxWatcher&) = delete;

  // Waits (up to 20 s) for the box and returns what it showed; box is null if none came.
  BoxSeen Seen();

 private:
  void Watch();

  DWORD thread_;
  BoxSeen seen_;
  volatile bool stop_ = false;
  std::thread worker_;
};

}  // namespace store_test
