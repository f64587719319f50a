#include "controls/register_controls.h"

// Before <windows.h>, whose RegisterClass macro would rename fw::RegisterClass.
#include "framework/core/class_info.h"

#include "controls/Alphabar.h"
#include "controls/IntEdit.h"
#include "controls/W95Speed.h"

void RegisterControlClasses() {
  fw::RegisterClasses<TWin95SpeedButton, TSpeedButton, TIntEdit, TAlphaPanel>();
}
