#include "tests/store/error_box_watcher.h"

#include <chrono>

namespace store_test {

namespace {

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
  char cls[16] = "";
  GetClassNameA(window, cls, sizeof cls);
  if (lstrcmpA(cls, "#32770") != 0) return TRUE;
  reinterpret_cast<BoxSeen*>(param)->box = window;
  return FALSE;
}

BOOL CALLBACK ReadBoxText(HWND child, LPARAM param) {
  char cls[16] = "";
  char text[512] = "";
  GetClassNameA(child, cls, sizeof cls);
  GetWindowTextA(child, text, sizeof text);
  if (lstrcmpiA(cls, "Static") == 0 && text[0]) reinterpret_cast<BoxSeen*>(param)->text = text;
  return TRUE;
}

}  // namespace

BoxWatcher::BoxWatcher() : thread_(GetCurrentThreadId()), worker_([this] { Watch(); }) {}

BoxWatcher::~BoxWatcher() {
  stop_ = true;
  if (worker_.joinable()) worker_.join();
}

BoxSeen BoxWatcher::Seen() {
  if (worker_.joinable()) worker_.join();
  return seen_;
}

void BoxWatcher::Watch() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!seen_.box && !stop_ && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EnumThreadWindows(thread_, FindBox, reinterpret_cast<LPARAM>(&seen_));
  }
  if (!seen_.box) return;
  char title[256] = "";
  GetWindowTextA(seen_.box, title, sizeof title);
  seen_.title = title;
  EnumChildWindows(seen_.box, ReadBoxText, reinterpret_cast<LPARAM>(&seen_));
  PostMessageA(seen_.box, WM_COMMAND, IDOK, 0);
}

}  // namespace store_test
