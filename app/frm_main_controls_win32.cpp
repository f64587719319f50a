#include "app/frm_main_controls.h"

#include <type_traits>

#include "controls/int_edit.h"
#include "controls/speed_button.h"
#include "framework/core/error.h"
#include "framework/stdctrls/check_box.h"
#include "framework/stdctrls/combo_box.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/notebook.h"
#include "framework/stdctrls/panel.h"
#include "framework/stdctrls/radio_button.h"
#include "framework/win32/popup_menu.h"
#include "framework/win32/timer.h"
#include "store/auto_properties_store.h"

namespace gv {

void FrmMainControls::Bind(const fw::Component& window) {
  for (const FrmMainPart& part : FrmMainParts{}) {
    fw::Component* found = window.FindComponent(part.name);
    if (!found) throw fw::Error(window.Name() + " has no component " + part.name);
    std::visit(
        [&](auto member) {
          using T = std::remove_pointer_t<std::remove_reference_t<decltype(this->*member)>>;
          this->*member = dynamic_cast<T*>(found);
          if (!(this->*member))
            throw fw::Error(window.Name() + "." + part.name + " is a " + found->Class().name + ", not a " +
                            T::StaticClass().name);
        },
        part.control);
  }
}

using P = FrmMainPart;

bool FrmMainControls::Checked(const P& part) const {
  if (auto* box = std::get_if<P::Member<fw::TCheckBox>>(&part.control)) return (this->*(*box))->Checked();
  return (this->*std::get<P::Member<fw::TRadioButton>>(part.control))->Checked();
}

std::string FrmMainControls::Text(const P& part) const {
  if (auto* label = std::get_if<P::Member<fw::TLabel>>(&part.control)) return (this->*(*label))->Caption();
  if (auto* edit = std::get_if<P::Member<fw::TEdit>>(&part.control)) return (this->*(*edit))->Text();
  return (this->*std::get<P::Member<TIntEdit>>(part.control))->Text();
}

}  // namespace gv
