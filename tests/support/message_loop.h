// Waiting in tests: the program's own message loop for a while, this thread's waiting messages,
// or a condition polled while another process does the work.
#pragma once

#include <windows.h>

#include <functional>

namespace gv::test {

// Runs the application's message loop (fw::Application, idle steps included) for ms milliseconds.
void PumpFor(int ms);
// Runs it until done() holds or ms milliseconds have passed; returns done().
bool PumpUntil(const std::function<bool()>& done, int ms = 3000);
// Dispatches every message waiting for this thread and returns; key messages are translated into
// characters only when asked (tests that post the WM_CHAR a key makes do not want a second one).
void DispatchPending(bool translateKeys = false);

// Polls cond every 10 ms until it holds or ms have passed; returns cond(). Runs no messages.
template <class Cond>
bool Await(Cond cond, int ms) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    if (cond()) return true;
    if (static_cast<int>(::GetTickCount() - start) >= ms) return cond();
    ::Sleep(10);
  }
}

}  // namespace gv::test
