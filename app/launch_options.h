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
  bool usingWinquake = false;  // CheckBox16 "Using WinQuake"
  bool modeMax = false;        // RadioButton8 "Max"
  bool modeFast = false;       // RadioButton9 "Fast"
  bool modeFastvid = false;    // RadioButton10 "Fastvid"
  bool modeFastsnd = false;    // RadioButton11 "Fastsnd"
  bool modeSafe = false;       // RadioButton12 "Safe"
  bool modeVerysafe = false;   // RadioButton13 "Verysafe"

  // General page.
  std::string skill;        // IntEdit1 "Skill:"
  std::string playerName;   // Edit1 "Name:"
  std::string shirt;        // IntEdit2 "Shirt:"
  std::string trousers;     // IntEdit3 "Trousers:"
  bool noCdAudio = false;   // CheckBox6 "No CD audio"
  bool noJoystick = false;  // CheckBox7 "No joystick"
  bool noSound = false;     // CheckBox8 "No sound"
  bool noVesa = false;      // CheckBox9 "No VESA support"

  // Multiplayer page.
  bool deathmatch = false;       // RadioButton1 "Deathmatch:"
  bool cooperative = false;      // RadioButton2 "Cooperative:"
  std::string gameModeValue;     // IntEdit4, beside "Deathmatch:" and "Cooperative:"
  bool listenServer = false;     // RadioButton3 "Listen server"
  bool dedicatedServer = false;  // RadioButton4 "Dedicated server"
  bool maxPlayersOn = false;     // CheckBox4 "Max players:"
  std::string maxPlayers;        // IntEdit8
  bool teamplayOn = false;       // CheckBox1 "Teamplay:"
  std::string teamplay;          // IntEdit5
  bool timelimitOn = false;      // CheckBox2 "Timelimit:"
  std::string timelimit;         // IntEdit6
  bool fraglimitOn = false;      // CheckBox3 "Fraglimit:"
  std::string fraglimit;         // IntEdit7
  bool noExit = false;           // CheckBox5 "Noexit"

  // Network page.
  bool noLan = false;       // CheckBox10 "No network support"
  bool noUdp = false;       // CheckBox11 "No TCP/IP support"
  bool noIpx = false;       // CheckBox12 "No IPX support"
  bool noSerial = false;    // CheckBox13 "No serial support"
  bool portOn = false;      // CheckBox14 "Port:"
  std::string port;         // IntEdit9
  bool hostnameOn = false;  // CheckBox15 "Hostname:"
  std::string hostname;     // Edit2

  // Memory page. "Normal" (RadioButton5) and "Heapsize:" add nothing, so they are not read.
  bool winmemOn = false;          // CheckBox17 "Winmem:"
  std::string winmem;             // IntEdit10
  bool lockMemory = false;        // RadioButton6 "Lock memory"
  bool lockUnlockMemory = false;  // RadioButton7 "Lock and unlock memory"

  // GLQuake page.
  bool usingGlquake = false;  // CheckBox21 "Using GLQuake"
  bool resolutionOn = false;  // CheckBox18 "Video resolution:"
  std::string width;          // IntEdit11
  std::string height;         // IntEdit12
  std::string bpp;            // IntEdit13 "BPP:"
  bool noPolyblend = false;   // CheckBox19 "Disable polybend"
  bool noFlashblend = false;  // CheckBox20 "Disable flashbend"
  bool shadows = false;       // CheckBox22 "Shadowed"

  // Extra page and the chosen map.
  std::string extra;  // editExtra, appended exactly as typed
  std::string map;    // lblMapName caption: the map file name after "+map"
};

// The launch options from the option controls, asked for by component name: checked gives a
// check box's or radio button's state, text an edit's text or a label's caption.
LaunchOptions ReadLaunchOptions(const std::function<bool(const std::string& name)>& checked,
                                const std::function<std::string(const std::string& name)>& text);

}  // namespace gv
