// One launcher per user session. The first start holds a named object of the session; a later
// start finds it, asks the running launcher's window to come to the front and ends, touching
// neither the settings nor the batch file.
#pragma once

#include <windows.h>

namespace gv {

class SingleInstance {
 public:
  SingleInstance();
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // False when another launcher of this session was there first.
  bool First() const { return first_; }

 private:
  HANDLE mutex_ = nullptr;
  bool first_ = true;
};

// Asks the running launcher's main window (found by its class and caption) to come to the front.
void BringUpRunningLauncher(const char* windowClass, const char* caption);

// The message that asks the main window to come to the front, restored if minimised. Posted by
// a second start; a window still under its splash lets its start-up bring it up as usual.
UINT BringUpMessage();

}  // namespace gv
