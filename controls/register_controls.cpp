#include "controls/register_controls.h"

// Before <windows.h>, whose RegisterClass macro would rename fw::RegisterClass.
#include "framework/core/class_info.h"

#include "controls/alpha_panel.h"
#include "controls/int_edit.h"
#include "controls/speed_button.h"

namespace gv {

void RegisterControlClasses() {
  fw::RegisterClasses<TWin95SpeedButton, TSpeedButton, TIntEdit, TAlphaPanel>();
}

}  // namespace gv
