#include "app/launch_options.h"

namespace gv {

namespace {

// Each option and the control whose state or text it takes.
struct Flag {
  const char* control;
  bool LaunchOptions::*option;
};
struct Text {
  const char* control;
  std::string LaunchOptions::*option;
};

using O = LaunchOptions;

const Flag kFlags[] = {
    {"CheckBox16", &O::using_winquake_},
    {"RadioButton8", &O::mode_max_},
    {"RadioButton9", &O::mode_fast_},
    {"RadioButton10", &O::mode_fastvid_},
    {"RadioButton11", &O::mode_fastsnd_},
    {"RadioButton12", &O::mode_safe_},
    {"RadioButton13", &O::mode_verysafe_},
    {"CheckBox6", &O::no_cd_audio_},
    {"CheckBox7", &O::no_joystick_},
    {"CheckBox8", &O::no_sound_},
    {"CheckBox9", &O::no_vesa_},
    {"RadioButton1", &O::deathmatch_},
    {"RadioButton2", &O::cooperative_},
    {"RadioButton3", &O::listen_server_},
    {"RadioButton4", &O::dedicated_server_},
    {"CheckBox4", &O::max_players_on_},
    {"CheckBox1", &O::teamplay_on_},
    {"CheckBox2", &O::timelimit_on_},
    {"CheckBox3", &O::fraglimit_on_},
    {"CheckBox5", &O::no_exit_},
    {"CheckBox10", &O::no_lan_},
    {"CheckBox11", &O::no_udp_},
    {"CheckBox12", &O::no_ipx_},
    {"CheckBox13", &O::no_serial_},
    {"CheckBox14", &O::port_on_},
    {"CheckBox15", &O::hostname_on_},
    {"CheckBox17", &O::winmem_on_},
    {"RadioButton6", &O::lock_memory_},
    {"RadioButton7", &O::lock_unlock_memory_},
    {"CheckBox21", &O::using_glquake_},
    {"CheckBox18", &O::resolution_on_},
    {"CheckBox19", &O::no_polyblend_},
    {"CheckBox20", &O::no_flashblend_},
    {"CheckBox22", &O::shadows_},
};

const Text kTexts[] = {
    {"IntEdit1", &O::skill_},    {"Edit1", &O::player_name_},        {"IntEdit2", &O::shirt_},
    {"IntEdit3", &O::trousers_}, {"IntEdit4", &O::game_mode_value_}, {"IntEdit8", &O::max_players_},
    {"IntEdit5", &O::teamplay_}, {"IntEdit6", &O::timelimit_},       {"IntEdit7", &O::fraglimit_},
    {"IntEdit9", &O::port_},     {"Edit2", &O::hostname_},           {"IntEdit10", &O::winmem_},
    {"IntEdit11", &O::width_},   {"IntEdit12", &O::height_},         {"IntEdit13", &O::bpp_},
    {"editExtra", &O::extra_},   {"lblMapName", &O::map_},
};

}  // namespace

LaunchOptions ReadLaunchOptions(const std::function<bool(const std::string& name)>& checked,
                                const std::function<std::string(const std::string& name)>& text) {
  LaunchOptions options;
  for (const Flag& f : kFlags) options.*f.option = checked(f.control);
  for (const Text& t : kTexts) options.*t.option = text(t.control);
  return options;
}

}  // namespace gv
