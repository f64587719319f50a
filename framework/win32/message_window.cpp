#include "framework/win32/message_window.h"

#include <utility>

namespace fw {

MessageWindow::MessageWindow(Handler handler) : TWinControl(nullptr), handler_(std::move(handler)) {
  SetVisible(false);
}

void MessageWindow::CreateParamsFor(CreateParams& params) {
  TWinControl::CreateParamsFor(params);
  params.style = WS_POPUP;
  params.parent = HWND_MESSAGE;
}

bool MessageWindow::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (handler_ && handler_(msg, wp, lp)) {
    result = 0;
    return true;
  }
  return TWinControl::WndProc(msg, wp, lp, result);
}

}  // namespace fw
