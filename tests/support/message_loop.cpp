#include "tests/support/message_loop.h"

#include <chrono>

#include "framework/win32/application.h"

namespace gv::test {

void PumpFor(int ms) {
  PumpUntil([] { return false; }, ms);
}

bool PumpUntil(const std::function<bool()>& done, int ms) {
  // A thread timer wakes the loop, so that its idle step runs and the time is checked.
  const UINT_PTR wake = ::SetTimer(nullptr, 0, 10, nullptr);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  bool result = done();
  while (!result && std::chrono::steady_clock::now() < deadline) {
    fw::Application()->HandleMessage();
    result = done();
  }
  ::KillTimer(nullptr, wake);
  return result;
}

void DispatchPending(bool translateKeys) {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (translateKeys) ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

}  // namespace gv::test
