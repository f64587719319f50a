// The hint machinery of the message loop. It follows the mouse pointer over the program's
// windows: the current hint is the long part of the hint of the control under the pointer (a
// graphic control included) or of its nearest parent that has one, empty when none has; for a
// control whose ShowHint is on, the short part appears in a tool tip after a pause.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/win32/message_loop_step.h"
#include "framework/win32/tool_tip.h"

namespace fw {

class MessageWindow;

class HintTracker : public MessageLoopStep {
 public:
  static constexpr UINT kShowPause = 500, kHidePause = 5000;  // milliseconds

  explicit HintTracker(std::function<void(const std::string&)> hintChanged);
  ~HintTracker() override;

  // Every message before it is dispatched: pointer moves update the hint, clicks and keys
  // hide the tip. Uses no message up.
  bool PreTranslate(const MSG& msg) override;
  // When the queue is empty: the pointer may have left the program's windows.
  void Idle() override;
  HWND ToolTipWindow() const { return tip_.Handle(); }

 private:
  void PointerAt(POINT screen);
  void CancelTip();
  bool TimerFired(UINT_PTR id);

  std::function<void(const std::string&)> hintChanged_;
  const void* control_ = nullptr;  // the control under the pointer: compared, never followed
  ToolTip tip_;
  std::unique_ptr<MessageWindow> timers_;
};

}  // namespace fw
