#include "framework/stdctrls/register_std_controls.h"

// Before <windows.h>, whose RegisterClass macro would rename fw::RegisterClass.
#include "framework/core/class_info.h"

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

namespace fw {

void RegisterStdControlClasses() {
  RegisterClasses<TPanel, TLabel, TEdit, TCheckBox, TRadioButton, TComboBox, TNotebook, TPage, TBevel, TImage,
                  TBitBtn>();
}

}  // namespace fw
