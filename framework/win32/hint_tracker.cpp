#include "framework/win32/hint_tracker.h"

#include <utility>

#include "framework/win32/message_window.h"

namespace fw {

namespace {
const UINT_PTR kShowTimer = 1, kHideTimer = 2;
const int kPointerHeight = 20;  // the tip goes below the pointer

// The parts of a hint "short|long"; a hint without "|" is both.
std::string GetShortHint(const std::string& hint) { return hint.substr(0, hint.find('|')); }

std::string GetLongHint(const std::string& hint) {
  size_t bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

// The hint of control or of its nearest parent that has one.
std::string HintOf(const TControl* control) {
  for (const TControl* c = control; c; c = c->Parent())
    if (!c->Hint().empty()) return c->Hint();
  return "";
}

// The control of this program under a screen point, graphic controls included; null if none.
TControl* ControlAtScreen(POINT screen) {
  HWND hwnd = WindowFromPoint(screen);
  DWORD process = 0;
  if (!hwnd || !GetWindowThreadProcessId(hwnd, &process) || process != GetCurrentProcessId()) return nullptr;
  TWinControl* control = TWinControl::ControlOfWindow(hwnd);
  if (!control) return nullptr;
  POINT client = screen;
  ScreenToClient(control->HandleIfAllocated(), &client);
  if (TControl* graphic = control->ControlAtPos(client, true)) return graphic;
  return control;
}

}  // namespace

HintTracker::HintTracker(std::function<void(const std::string&)> hintChanged)
    : hintChanged_(std::move(hintChanged)) {}

HintTracker::~HintTracker() = default;

bool HintTracker::PreTranslate(const MSG& msg) {
  switch (msg.message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
      PointerAt(msg.pt);
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      CancelTip();
      break;
  }
  return false;
}

void HintTracker::Idle() {
  POINT p;
  if (GetCursorPos(&p)) PointerAt(p);
}

void HintTracker::PointerAt(POINT screen) {
  TControl* control = ControlAtScreen(screen);
  if (control == control_) return;
  control_ = control;
  CancelTip();
  const std::string hint = HintOf(control);
  if (control && control->ShowHint() && !GetShortHint(hint).empty()) {
    if (!timers_)
      timers_ = std::make_unique<MessageWindow>(
          [this](UINT msg, WPARAM wp, LPARAM) { return msg == WM_TIMER && TimerFired(wp); });
    SetTimer(timers_->Handle(), kShowTimer, kShowPause, nullptr);
  }
  hintChanged_(GetLongHint(hint));
}

void HintTracker::CancelTip() {
  if (timers_) {
    KillTimer(timers_->HandleIfAllocated(), kShowTimer);
    KillTimer(timers_->HandleIfAllocated(), kHideTimer);
  }
  tip_.Hide();
}

bool HintTracker::TimerFired(UINT_PTR id) {
  if (id != kShowTimer && id != kHideTimer) return false;
  KillTimer(timers_->HandleIfAllocated(), id);
  POINT p;
  if (id == kHideTimer || !GetCursorPos(&p)) {
    tip_.Hide();
    return true;
  }
  // Still over the same control: show its short hint.
  TControl* control = ControlAtScreen(p);
  if (control && control == control_) {
    tip_.Show(GetShortHint(HintOf(control)), POINT{p.x, p.y + kPointerHeight});
    SetTimer(timers_->HandleIfAllocated(), kHideTimer, kHidePause, nullptr);
  }
  return true;
}

}  // namespace fw
