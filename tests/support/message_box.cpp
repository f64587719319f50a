#include "tests/support/message_box.h"

#include <chrono>

#include "tests/support/window_info.h"

namespace gv::test {
namespace {

bool IsBox(HWND window) { return ClassOf(window) == "#32770" && ::IsWindowVisible(window); }

BOOL CALLBACK FindThreadBox(HWND window, LPARAM param) {
  if (!IsBox(window)) return TRUE;
  *reinterpret_cast<HWND*>(param) = window;
  return FALSE;
}

BOOL CALLBACK ReadBoxChild(HWND child, LPARAM param) {
  auto* seen = reinterpret_cast<BoxSeen*>(param);
  if (lstrcmpiA(ClassOf(child).c_str(), "Static") != 0) return TRUE;
  if (::SendMessageA(child, STM_GETICON, 0, 0)) {
    seen->hasIcon = true;
  } else if (std::string text = WindowText(child); !text.empty()) {
    seen->text = text;
  }
  return TRUE;
}

}  // namespace

BoxSeen ReadBox(HWND box) {
  BoxSeen seen;
  seen.box = box;
  seen.owner = ::GetWindow(box, GW_OWNER);
  seen.title = WindowText(box);
  ::EnumChildWindows(box, ReadBoxChild, reinterpret_cast<LPARAM>(&seen));
  return seen;
}

HWND FindBoxOfProcess(DWORD process, const std::string& title) {
  return FindTopWindow(process,
                       [&title](HWND window) { return IsBox(window) && WindowText(window) == title; });
}

BoxWatcher::BoxWatcher(DWORD thread) : thread_(thread), worker_([this] { Watch(); }) {}

BoxWatcher::~BoxWatcher() {
  stop_ = true;
  if (worker_.joinable()) worker_.join();
}

BoxSeen BoxWatcher::Seen() {
  if (worker_.joinable()) worker_.join();
  return seen_;
}

BoxSeen BoxWatcher::Stop() {
  stop_ = true;
  return Seen();
}

void BoxWatcher::Watch() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  HWND box = nullptr;
  while (!box && !stop_ && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ::EnumThreadWindows(thread_, FindThreadBox, reinterpret_cast<LPARAM>(&box));
  }
  if (!box) return;
  seen_ = ReadBox(box);
  ::PostMessageA(box, WM_COMMAND, IDOK, 0);
}

}  // namespace gv::test
