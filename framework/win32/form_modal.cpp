// Closing a form, its modal display and its deferred destruction.
#include <vector>

#include "framework/core/error.h"
#include "framework/win32/application.h"
#include "framework/win32/form.h"

namespace fw {

namespace {

// Disables a visible, enabled top-level window of the thread and adds it to the list.
BOOL CALLBACK DisableWindow(HWND hwnd, LPARAM list) {
  if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
    EnableWindow(hwnd, FALSE);
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
  }
  return TRUE;
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
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&disabled));
  modal_ = true;
  modalResult_ = mrNone;
  auto end = [&] {
    modal_ = false;
    for (HWND window : disabled)
      if (IsWindow(window)) EnableWindow(window, TRUE);
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
