#include "framework/win32/register_classes.h"

// Before <windows.h>, whose RegisterClass macro would rename fw::RegisterClass.
#include "framework/core/class_info.h"

#include "framework/win32/form.h"
#include "framework/win32/popup_menu.h"
#include "framework/win32/timer.h"

namespace fw {

void RegisterFrameworkClasses() {
  // Forms, menus and timers.
  RegisterClasses<TForm, TPopupMenu, TMenuItem, TTimer>();

  // Standard controls.
}

}  // namespace fw
