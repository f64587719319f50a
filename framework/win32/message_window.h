// A hidden message-only window of our class, for objects that have no window of their own but
// need window messages on the GUI thread: the hint line's delay timers.
#pragma once

#include <functional>

#include "framework/win32/win_control.h"

namespace fw {

class MessageWindow : public TWinControl {
 public:
  // Returns true when it handled the message.
  using Handler = std::function<bool(UINT msg, WPARAM wp, LPARAM lp)>;

  explicit MessageWindow(Handler handler);

  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 protected:
  void CreateParamsFor(CreateParams& params) override;

 private:
  Handler handler_;
};

}  // namespace fw
