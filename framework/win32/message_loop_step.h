// A step of the application's message loop, registered with it (TApplication::AddLoopStep) by
// whoever needs one: it sees every message before the message is translated and dispatched, and
// runs whenever the queue is empty.
#pragma once

#include <windows.h>

namespace fw {

class MessageLoopStep {
 public:
  virtual ~MessageLoopStep() = default;
  // True when the step used the message up and it must go no further.
  virtual bool PreTranslate(const MSG&) { return false; }
  virtual void Idle() {}
};

}  // namespace fw
