#include "framework/win32/timer.h"

#include "framework/core/property_builders.h"
#include "framework/win32/message_window.h"

namespace fw {

namespace {
const UINT_PTR kTimerId = 1;
}  // namespace

const ClassInfo& TTimer::StaticClass() {
  static const PropInfo kProps[] = {
      BoolProp<&TTimer::Enabled, &TTimer::SetEnabled>("Enabled", true),
      IntProp<&TTimer::Interval, &TTimer::SetInterval>("Interval", 1000),
      EventProp<&TTimer::onTimer>("OnTimer"),
  };
  static const ClassInfo info = MakeClass<TTimer, Component>("TTimer", kProps);
  return info;
}

TTimer::TTimer(Component* owner) : Component(owner) {
  // One read from text starts once its owner has been loaded (Loaded).
  if (!owner || !owner->IsLoading()) UpdateTimer();
}

TTimer::~TTimer() {
  enabled_ = false;
  UpdateTimer();
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  UpdateTimer();
}

void TTimer::SetInterval(int interval) {
  if (interval == interval_) return;
  interval_ = interval;
  UpdateTimer();
}

void TTimer::Loaded() {
  Component::Loaded();
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (running_) KillTimer(window_->HandleIfAllocated(), kTimerId);
  running_ = false;
  if (!enabled_ || interval_ <= 0 || IsLoading() || IsDestroying()) return;
  if (!window_) {
    window_ = std::make_unique<MessageWindow>([this](UINT msg, WPARAM wp, LPARAM) {
      if (msg != WM_TIMER || wp != kTimerId) return false;
      Timer();
      return true;
    });
  }
  running_ = SetTimer(window_->Handle(), kTimerId, static_cast<UINT>(interval_), nullptr) != 0;
}

}  // namespace fw
