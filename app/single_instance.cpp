#include "app/single_instance.h"

namespace gv {

namespace {

// "Local\": the namespace of the user's session, so that another user's launcher on the same
// machine (fast user switching, a terminal server) is no reason to end.
constexpr const char* kMutexName = "Local\\Gorvale FE launcher";

}  // namespace

SingleInstance::SingleInstance() {
  mutex_ = CreateMutexA(nullptr, FALSE, kMutexName);
  first_ = !(mutex_ && GetLastError() == ERROR_ALREADY_EXISTS);
}

SingleInstance::~SingleInstance() {
  if (mutex_) CloseHandle(mutex_);
}

UINT BringUpMessage() { return RegisterWindowMessageA("Gorvale FE: bring up"); }

void BringUpRunningLauncher(const char* windowClass, const char* caption) {
  HWND window = FindWindowA(windowClass, caption);
  if (!window) return;  // its window is still being made: its start-up shows it
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  // This process was just started by the user, so it may hand the foreground on.
  AllowSetForegroundWindow(process);
  PostMessageA(window, BringUpMessage(), 0, 0);
}

}  // namespace gv
