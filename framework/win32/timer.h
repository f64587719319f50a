// Timers: a thread timer of the GUI thread, whose WM_TIMER the message loop hands to a callback,
// so OnTimer never runs beside another handler and no window is needed for it. Changing Enabled
// or Interval restarts it; nothing runs while the owner is loading.
#pragma once

#include <windows.h>

#include "framework/core/component.h"
#include "framework/core/method.h"

namespace fw {

class TTimer : public Component {
 public:
  FW_CLASS()

  explicit TTimer(Component* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Interval() const { return interval_; }  // milliseconds; 0 stops the timer
  void SetInterval(int interval);

  Method onTimer;
  virtual void Timer() { onTimer(this); }

  void Loaded() override;

 private:
  void UpdateTimer();
  static void CALLBACK Elapsed(HWND, UINT, UINT_PTR id, DWORD);

  bool enabled_ = true;
  int interval_ = 1000;
  UINT_PTR id_ = 0;  // of the running timer; 0 when stopped
};

}  // namespace fw
