#include "app/frm_main_controls.h"

#include <type_traits>

#include "app/find_component.h"
#include "controls/int_edit.h"
#include "controls/speed_button.h"
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

namespace {

using C = MainWindowControls;

// One control: its component name and how its member is bound.
struct Row {
  const char* name;
  void (*bind)(C&, const fw::Component& window, const char* name);
};

template <auto Member>
void BindMember(C& c, const fw::Component& window, const char* name) {
  using T = std::remove_pointer_t<std::remove_reference_t<decltype(c.*Member)>>;
  c.*Member = gv::FindComponentAs<T>(window, name);
}

template <auto Member>
constexpr Row Control(const char* name) {
  return {name, &BindMember<Member>};
}

const Row kRows[] = {
    // Multiplayer page.
    Control<&C::maxPlayersOn>("CheckBox4"),
    Control<&C::maxPlayers>("IntEdit8"),
    Control<&C::teamplayOn>("CheckBox1"),
    Control<&C::teamplay>("IntEdit5"),
    Control<&C::timelimitOn>("CheckBox2"),
    Control<&C::timelimit>("IntEdit6"),
    Control<&C::fraglimitOn>("CheckBox3"),
    Control<&C::fraglimit>("IntEdit7"),
    // Map page.
    Control<&C::baseMapsOn>("RadioButton14"),
    Control<&C::baseMaps>("ComboBox2"),
    Control<&C::addOnMapsOn>("RadioButton15"),
    Control<&C::addOnMaps>("ComboBox3"),
    Control<&C::chosenMap>("editChosenMap"),
    Control<&C::mapFile>("lblMapName"),
    // Network page.
    Control<&C::noLan>("CheckBox10"),
    Control<&C::noUdp>("CheckBox11"),
    Control<&C::noIpx>("CheckBox12"),
    Control<&C::noSerial>("CheckBox13"),
    Control<&C::portOn>("CheckBox14"),
    Control<&C::port>("IntEdit9"),
    Control<&C::hostnameOn>("CheckBox15"),
    Control<&C::hostname>("Edit2"),
    // Memory page.
    Control<&C::memoryNormal>("RadioButton5"),
    Control<&C::lockMemory>("RadioButton6"),
    Control<&C::lockUnlockMemory>("RadioButton7"),
    Control<&C::winmemOn>("CheckBox17"),
    Control<&C::winmem>("IntEdit10"),
    Control<&C::heapsizeOn>("CheckBox23"),
    Control<&C::heapsize>("IntEdit14"),
    // GLQuake page.
    Control<&C::usingGLQuake>("CheckBox21"),
    Control<&C::resolutionOn>("CheckBox18"),
    Control<&C::width>("IntEdit11"),
    Control<&C::widthByHeight>("Label1"),
    Control<&C::height>("IntEdit12"),
    Control<&C::resolutionMenuButton>("Win95SpeedButton5"),
    Control<&C::bppLabel>("Label2"),
    Control<&C::bpp>("IntEdit13"),
    Control<&C::bppMenuButton>("Win95SpeedButton6"),
    Control<&C::noPolyblend>("CheckBox19"),
    Control<&C::noFlashblend>("CheckBox20"),
    Control<&C::shadows>("CheckBox22"),
    Control<&C::resolutionMenu>("popupRes"),
    Control<&C::bppMenu>("popupBPP"),
    // WinQuake page.
    Control<&C::usingWinQuake>("CheckBox16"),
    Control<&C::modeMax>("RadioButton8"),
    Control<&C::modeFast>("RadioButton9"),
    Control<&C::modeFastvid>("RadioButton10"),
    Control<&C::modeFastsnd>("RadioButton11"),
    Control<&C::modeSafe>("RadioButton12"),
    Control<&C::modeVerysafe>("RadioButton13"),
    // The window around the pages.
    Control<&C::pageSelector>("ComboBox1"),
    Control<&C::pages>("Notebook1"),
    Control<&C::statusLine>("StatusBar"),
    Control<&C::splashTimer>("timerSplash"),
    Control<&C::settings>("AutoPS"),
};

}  // namespace

void MainWindowControls::Bind(const fw::Component& window) {
  for (const Row& row : kRows) row.bind(*this, window, row.name);
}

}  // namespace gv
