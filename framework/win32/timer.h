// Timers: a window-message timer on the GUI thread, so OnTimer never runs beside another
// handler. Changing Enabled or Interval restarts it; nothing runs while the owner is loading.
#pragma once

#include <memory>

#include "framework/core/component.h"
#include "framework/core/method.h"

namespace fw {

class MessageWindow;

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

  bool enabled_ = true;
  int interval_ = 1000;
  bool running_ = false;
  std::unique_ptr<MessageWindow> window_;
};

}  // namespace fw
