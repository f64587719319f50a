#include "framework/win32/framework_setup.h"

// Before <windows.h>, whose RegisterClass macro would rename fw::RegisterClass.
#include "framework/core/class_info.h"

#include <memory>

#include "framework/stdctrls/bevel.h"
#include "framework/stdctrls/bit_btn.h"
#include "framework/stdctrls/check_box.h"
#include "framework/stdctrls/combo_box.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/image.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/notebook.h"
#include "framework/stdctrls/panel.h"
#include "framework/stdctrls/radio_button.h"
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

  // Forms, menus and timers.
  RegisterClasses<TForm, TPopupMenu, TMenuItem, TTimer>();

  // Standard controls.
  RegisterClasses<TPanel, TLabel, TEdit, TCheckBox, TRadioButton, TComboBox, TNotebook, TPage, TBevel, TImage,
                  TBitBtn>();
}

}  // namespace fw
