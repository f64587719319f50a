// Keyboard navigation, done by the message loop before a key reaches its window: Tab and
// Shift+Tab move through the form's controls in tab order; the arrow keys move between the
// controls of one parent when the focused control has no use for them (check boxes, radio
// buttons, buttons); Enter and Escape go to a modal form's default and cancel buttons, and
// Enter to the form's default control unless the focused window wants it (an open drop-down
// list).
#pragma once

#include <windows.h>

#include "framework/win32/message_loop_step.h"

namespace fw {

// The navigation as a step of the message loop.
class KeyNavigation : public MessageLoopStep {
 public:
  // True when the key was used and the message must go no further.
  bool PreTranslate(const MSG& msg) override;
};

}  // namespace fw
