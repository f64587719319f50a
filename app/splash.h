// The splash window: a borderless, topmost picture in the middle of the screen while the
// program starts. It has no owner and removes itself when it loses activation.
#pragma once

#include "framework/win32/form.h"

namespace gv {

class TSplash : public fw::TForm {
 public:
  FW_CLASS()

  explicit TSplash(fw::Component* owner);
  ~TSplash() override;

  // Losing activation: normal pointer, main window to normal state, the splash goes.
  void FormDeactivate(fw::Component* sender);

 private:
  bool going_ = false;
};

// The splash window while it exists.
extern TSplash* Splash;

// The splash unit's start-up step: hourglass pointer; the splash made, shown and painted at
// once, before any message loop runs.
void ShowSplash();

}  // namespace gv
