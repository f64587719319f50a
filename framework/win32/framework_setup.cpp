#include "framework/win32/framework_setup.h"

// Before <windows.h>, whose RegisterClass macro would rename fw::RegisterClass.
#include "framework/core/class_info.h"

#include <memory>

#include "framework/win32/application.h"
#include "framework/win32/form.h"
#include "framework/win32/hint_tracker.h"
#include "framework/win32/key_navigation.h"
#include "framework/win32/popup_menu.h"
#include "framework/win32/timer.h"

namespace fw {

void SetUpFramework() {
  TApplication* app = Application();
  if (app->LoopStep<HintTracker>()) return;
  app->AddLoopStep(std::make_unique<HintTracker>([app](const std::string& hint) { app->SetHint(hint); }));
  app->AddLoopStep(std::make_unique<KeyNavigation>());
  RegisterClasses<TForm, TPopupMenu, TMenuItem, TTimer>();
}

}  // namespace fw
