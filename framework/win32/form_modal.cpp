// Closing a form, its modal display and its deferred destruction.
#include <vector>

#include "framework/core/error.h"
#include "framework/win32/application.h"
#include "framework/win32/form.h"

namespace fw {

namespace {

BOOL CALLBACK DisableWindow(HWND hwnd, LPARAM param) {
  if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
    EnableWindow(hwnd, FALSE);
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
  }
  return TRUE;
}

// Disables the visible, enabled top-level windows of this thread; returns them.
std::vector<HWND> DisableThreadWindows() {
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&disabled));
  return disabled;
}

void EnableWindows(const std::vector<HWND>& windows) {
  for (HWND hwnd : windows)
    if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
}

}  // namespace

bool TForm::CloseQuery() {
  bool canClose = true;
  if (onCloseQuery) onCloseQuery(this, canClose);
  return canClose;
}

void TForm::Close() {
  if (!CloseQuery()) return;
  onClose(this);
  if (modal_) {
    if (modalResult_ == mrNone) modalResult_ = mrCancel;
  } else if (Application()->MainForm() == this) {
    Application()->Terminate();
  } else {
    Hide();
  }
}

int TForm::ShowModal() {
  if (modal_ || (Visible() && HandleAllocated() && IsWindowVisible(HandleIfAllocated())))
    throw Error("Cannot make a visible window modal");
  HWND hwnd = Handle();
  HWND previous = GetActiveWindow();
  // Owned by the window it was opened from: above it, and out of the taskbar.
  SetWindowLongPtrA(hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(previous));
  std::vector<HWND> disabled = DisableThreadWindows();
  modal_ = true;
  modalResult_ = mrNone;
  auto end = [&] {
    modal_ = false;
    EnableWindows(disabled);
    Hide();
    SetWindowLongPtrA(hwnd, GWLP_HWNDPARENT, 0);
    if (previous && IsWindow(previous)) SetActiveWindow(previous);
  };
  try {
    Show();
    TApplication* app = Application();
    while (modalResult_ == mrNone) {
      app->HandleMessage();
      if (app->Terminated() || !HandleAllocated()) modalResult_ = mrCancel;
    }
  } catch (...) {
    end();
    throw;
  }
  end();
  return modalResult_;
}

void TForm::Release() { PostMessageA(Handle(), kReleaseMessage, 0, 0); }

}  // namespace fw
