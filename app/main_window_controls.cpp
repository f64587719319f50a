#include "app/main_window_controls.h"

#include <type_traits>

#include "app/find_component.h"
#include "controls/IntEdit.h"
#include "controls/W95Speed.h"
#include "framework/win32/check_box.h"
#include "framework/win32/combo_box.h"
#include "framework/win32/edit.h"
#include "framework/win32/label.h"
#include "framework/win32/notebook.h"
#include "framework/win32/panel.h"
#include "framework/win32/popup_menu.h"
#include "framework/win32/radio_button.h"
#include "framework/win32/timer.h"
#include "store/aprstore.h"

namespace {

using C = MainWindowControls;
using O = gv::LaunchOptions;

// One control: its component name, how its member is bound, and how its value reaches the
// launch options (null for a control that feeds none).
struct Row {
  const char* name;
  void (*bind)(C&, const fw::Component& window, const char* name);
  void (*take)(const C&, O&);
};

template <auto Member>
void BindMember(C& c, const fw::Component& window, const char* name) {
  using T = std::remove_pointer_t<std::remove_reference_t<decltype(c.*Member)>>;
  c.*Member = gv::FindComponentAs<T>(window, name);
}
template <auto Member, auto Option>
void TakeChecked(const C& c, O& o) {
  o.*Option = (c.*Member)->Checked();
}
template <auto Member, auto Option>
void TakeText(const C& c, O& o) {
  o.*Option = (c.*Member)->Text();
}
template <auto Member, auto Option>
void TakeCaption(const C& c, O& o) {
  o.*Option = (c.*Member)->Caption();
}

template <auto Member>
constexpr Row Control(const char* name) {
  return {name, &BindMember<Member>, nullptr};
}
template <auto Member, auto Option>
constexpr Row Checked(const char* name) {
  return {name, &BindMember<Member>, &TakeChecked<Member, Option>};
}
template <auto Member, auto Option>
constexpr Row Text(const char* name) {
  return {name, &BindMember<Member>, &TakeText<Member, Option>};
}

const Row kRows[] = {
    // General page.
    Text<&C::skill, &O::skill_>("IntEdit1"),
    Text<&C::playerName, &O::player_name_>("Edit1"),
    Text<&C::shirt, &O::shirt_>("IntEdit2"),
    Text<&C::trousers, &O::trousers_>("IntEdit3"),
    Checked<&C::noCdAudio, &O::no_cd_audio_>("CheckBox6"),
    Checked<&C::noJoystick, &O::no_joystick_>("CheckBox7"),
    Checked<&C::noSound, &O::no_sound_>("CheckBox8"),
    Checked<&C::noVesa, &O::no_vesa_>("CheckBox9"),
    // Multiplayer page.
    Checked<&C::deathmatch, &O::deathmatch_>("RadioButton1"),
    Checked<&C::cooperative, &O::cooperative_>("RadioButton2"),
    Text<&C::gameModeValue, &O::game_mode_value_>("IntEdit4"),
    Checked<&C::listenServer, &O::listen_server_>("RadioButton3"),
    Checked<&C::dedicatedServer, &O::dedicated_server_>("RadioButton4"),
    Checked<&C::maxPlayersOn, &O::max_players_on_>("CheckBox4"),
    Text<&C::maxPlayers, &O::max_players_>("IntEdit8"),
    Checked<&C::teamplayOn, &O::teamplay_on_>("CheckBox1"),
    Text<&C::teamplay, &O::teamplay_>("IntEdit5"),
    Checked<&C::timelimitOn, &O::timelimit_on_>("CheckBox2"),
    Text<&C::timelimit, &O::timelimit_>("IntEdit6"),
    Checked<&C::fraglimitOn, &O::fraglimit_on_>("CheckBox3"),
    Text<&C::fraglimit, &O::fraglimit_>("IntEdit7"),
    Checked<&C::noExit, &O::no_exit_>("CheckBox5"),
    // Map page.
    Control<&C::baseMapsOn>("RadioButton14"),
    Control<&C::baseMaps>("ComboBox2"),
    Control<&C::addOnMapsOn>("RadioButton15"),
    Control<&C::addOnMaps>("ComboBox3"),
    Control<&C::chosenMap>("editChosenMap"),
    {"lblMapName", &BindMember<&C::mapFile>, &TakeCaption<&C::mapFile, &O::map_>},
    // Network page.
    Checked<&C::noLan, &O::no_lan_>("CheckBox10"),
    Checked<&C::noUdp, &O::no_udp_>("CheckBox11"),
    Checked<&C::noIpx, &O::no_ipx_>("CheckBox12"),
    Checked<&C::noSerial, &O::no_serial_>("CheckBox13"),
    Checked<&C::portOn, &O::port_on_>("CheckBox14"),
    Text<&C::port, &O::port_>("IntEdit9"),
    Checked<&C::hostnameOn, &O::hostname_on_>("CheckBox15"),
    Text<&C::hostname, &O::hostname_>("Edit2"),
    // Memory page. "Normal" and "Heapsize:" add nothing to the command line.
    Control<&C::memoryNormal>("RadioButton5"),
    Checked<&C::lockMemory, &O::lock_memory_>("RadioButton6"),
    Checked<&C::lockUnlockMemory, &O::lock_unlock_memory_>("RadioButton7"),
    Checked<&C::winmemOn, &O::winmem_on_>("CheckBox17"),
    Text<&C::winmem, &O::winmem_>("IntEdit10"),
    Control<&C::heapsizeOn>("CheckBox23"),
    Control<&C::heapsize>("IntEdit14"),
    // GLQuake page.
    Checked<&C::usingGLQuake, &O::using_glquake_>("CheckBox21"),
    Checked<&C::resolutionOn, &O::resolution_on_>("CheckBox18"),
    Text<&C::width, &O::width_>("IntEdit11"),
    Control<&C::widthByHeight>("Label1"),
    Text<&C::height, &O::height_>("IntEdit12"),
    Control<&C::resolutionMenuButton>("Win95SpeedButton5"),
    Control<&C::bppLabel>("Label2"),
    Text<&C::bpp, &O::bpp_>("IntEdit13"),
    Control<&C::bppMenuButton>("Win95SpeedButton6"),
    Checked<&C::noPolyblend, &O::no_polyblend_>("CheckBox19"),
    Checked<&C::noFlashblend, &O::no_flashblend_>("CheckBox20"),
    Checked<&C::shadows, &O::shadows_>("CheckBox22"),
    Control<&C::resolutionMenu>("popupRes"),
    Control<&C::bppMenu>("popupBPP"),
    // WinQuake page.
    Checked<&C::usingWinQuake, &O::using_winquake_>("CheckBox16"),
    Checked<&C::modeMax, &O::mode_max_>("RadioButton8"),
    Checked<&C::modeFast, &O::mode_fast_>("RadioButton9"),
    Checked<&C::modeFastvid, &O::mode_fastvid_>("RadioButton10"),
    Checked<&C::modeFastsnd, &O::mode_fastsnd_>("RadioButton11"),
    Checked<&C::modeSafe, &O::mode_safe_>("RadioButton12"),
    Checked<&C::modeVerysafe, &O::mode_verysafe_>("RadioButton13"),
    // Extra page.
    Text<&C::extra, &O::extra_>("editExtra"),
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

gv::LaunchOptions MainWindowControls::Options() const {
  gv::LaunchOptions options;
  for (const Row& row : kRows)
    if (row.take) row.take(*this, options);
  return options;
}
