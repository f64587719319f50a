// The option controls of the main window as they stand when the run button is pressed. The
// main window fills one of these from its controls; the batch line is built from it alone.
// Texts are taken verbatim (ANSI, any length); number fields stay text and may be empty.
#pragma once

#include <functional>
#include <string>

namespace gv {

struct LaunchOptions {
  // WinQuake page. The mode group is read as six states: the first checked one, in this order,
  // gives the mode word (a snapshot may hold several).
  bool using_winquake_ = false;  // CheckBox16 "Using WinQuake"
  bool mode_max_ = false;        // RadioButton8 "Max"
  bool mode_fast_ = false;       // RadioButton9 "Fast"
  bool mode_fastvid_ = false;    // RadioButton10 "Fastvid"
  bool mode_fastsnd_ = false;    // RadioButton11 "Fastsnd"
  bool mode_safe_ = false;       // RadioButton12 "Safe"
  bool mode_verysafe_ = false;   // RadioButton13 "Verysafe"

  // General page.
  std::string skill_;         // IntEdit1 "Skill:"
  std::string player_name_;   // Edit1 "Name:"
  std::string shirt_;         // IntEdit2 "Shirt:"
  std::string trousers_;      // IntEdit3 "Trousers:"
  bool no_cd_audio_ = false;  // CheckBox6 "No CD audio"
  bool no_joystick_ = false;  // CheckBox7 "No joystick"
  bool no_sound_ = false;     // CheckBox8 "No sound"
  bool no_vesa_ = false;      // CheckBox9 "No VESA support"

  // Multiplayer page.
  bool deathmatch_ = false;        // RadioButton1 "Deathmatch:"
  bool cooperative_ = false;       // RadioButton2 "Cooperative:"
  std::string game_mode_value_;    // IntEdit4, beside "Deathmatch:" and "Cooperative:"
  bool listen_server_ = false;     // RadioButton3 "Listen server"
  bool dedicated_server_ = false;  // RadioButton4 "Dedicated server"
  bool max_players_on_ = false;    // CheckBox4 "Max players:"
  std::string max_players_;        // IntEdit8
  bool teamplay_on_ = false;       // CheckBox1 "Teamplay:"
  std::string teamplay_;           // IntEdit5
  bool timelimit_on_ = false;      // CheckBox2 "Timelimit:"
  std::string timelimit_;          // IntEdit6
  bool fraglimit_on_ = false;      // CheckBox3 "Fraglimit:"
  std::string fraglimit_;          // IntEdit7
  bool no_exit_ = false;           // CheckBox5 "Noexit"

  // Network page.
  bool no_lan_ = false;       // CheckBox10 "No network support"
  bool no_udp_ = false;       // CheckBox11 "No TCP/IP support"
  bool no_ipx_ = false;       // CheckBox12 "No IPX support"
  bool no_serial_ = false;    // CheckBox13 "No serial support"
  bool port_on_ = false;      // CheckBox14 "Port:"
  std::string port_;          // IntEdit9
  bool hostname_on_ = false;  // CheckBox15 "Hostname:"
  std::string hostname_;      // Edit2

  // Memory page. "Normal" (RadioButton5) and "Heapsize:" add nothing, so they are not read.
  bool winmem_on_ = false;           // CheckBox17 "Winmem:"
  std::string winmem_;               // IntEdit10
  bool lock_memory_ = false;         // RadioButton6 "Lock memory"
  bool lock_unlock_memory_ = false;  // RadioButton7 "Lock and unlock memory"

  // GLQuake page.
  bool using_glquake_ = false;  // CheckBox21 "Using GLQuake"
  bool resolution_on_ = false;  // CheckBox18 "Video resolution:"
  std::string width_;           // IntEdit11
  std::string height_;          // IntEdit12
  std::string bpp_;             // IntEdit13 "BPP:"
  bool no_polyblend_ = false;   // CheckBox19 "Disable polybend"
  bool no_flashblend_ = false;  // CheckBox20 "Disable flashbend"
  bool shadows_ = false;        // CheckBox22 "Shadowed"

  // Extra page and the chosen map.
  std::string extra_;  // editExtra, appended exactly as typed
  std::string map_;    // lblMapName caption: the map file name after "+map"
};

// The launch options from the option controls, asked for by component name: checked gives a
// check box's or radio button's state, text an edit's text or a label's caption.
LaunchOptions ReadLaunchOptions(const std::function<bool(const std::string& name)>& checked,
                                const std::function<std::string(const std::string& name)>& text);

}  // namespace gv
