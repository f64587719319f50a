#include "framework/win32/timer.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "framework/core/property_builders.h"
#include "framework/win32/application.h"

namespace fw {

namespace {

// The running timers, for the callback to find by the identifier Windows gave them. Never
// destroyed: timers of forms that the application object holds stop while static objects are
// destroyed at the program's end, and this list must still be there then.
std::vector<TTimer*>& Running() {
  static auto* running = new std::vector<TTimer*>();
  return *running;
}

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
  if (SetField(enabled_, enabled)) UpdateTimer();
}

void TTimer::SetInterval(int interval) {
  if (SetField(interval_, interval)) UpdateTimer();
}

void TTimer::Loaded() {
  Component::Loaded();
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (id_) {
    KillTimer(nullptr, id_);
    id_ = 0;
    auto& running = Running();
    running.erase(std::find(running.begin(), running.end(), this));
  }
  if (!enabled_ || interval_ <= 0 || IsLoading() || IsDestroying()) return;
  id_ = SetTimer(nullptr, 0, static_cast<UINT>(interval_), &TTimer::Elapsed);
  if (id_) Running().push_back(this);
}

void CALLBACK TTimer::Elapsed(HWND, UINT, UINT_PTR id, DWORD) {
  const auto& running = Running();
  auto found = std::find_if(running.begin(), running.end(), [id](TTimer* t) { return t->id_ == id; });
  if (found == running.end()) return;  // stopped after its message was posted
  // No exception may cross into user32: it goes to the application's error box.
  try {
    (*found)->Timer();
  } catch (const std::exception& e) {
    Application()->HandleException(e);
  }
}

}  // namespace fw
