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
  bool usingWinquake = false;  // "Using WinQuake"
  bool modeMax = false;        // "Max"
  bool modeFast = false;       // "Fast"
  bool modeFastvid = false;    // "Fastvid"
  bool modeFastsnd = false;    // "Fastsnd"
  bool modeSafe = false;       // "Safe"
  bool modeVerysafe = false;   // "Verysafe"

  // General page.
  std::string skill;        // "Skill:"
  std::string playerName;   // "Name:"
  std::string shirt;        // "Shirt:"
  std::string trousers;     // "Trousers:"
  bool noCdAudio = false;   // "No CD audio"
  bool noJoystick = false;  // "No joystick"
  bool noSound = false;     // "No sound"
  bool noVesa = false;      // "No VESA support"

  // Multiplayer page.
  bool deathmatch = false;       // "Deathmatch:"
  bool cooperative = false;      // "Cooperative:"
  std::string gameModeValue;     // beside "Deathmatch:" and "Cooperative:"
  bool listenServer = false;     // "Listen server"
  bool dedicatedServer = false;  // "Dedicated server"
  bool maxPlayersOn = false;     // "Max players:"
  std::string maxPlayers;
  bool teamplayOn = false;  // "Teamplay:"
  std::string teamplay;
  bool timelimitOn = false;  // "Timelimit:"
  std::string timelimit;
  bool fraglimitOn = false;  // "Fraglimit:"
  std::string fraglimit;
  bool noExit = false;  // "Noexit"

  // Network page.
  bool noLan = false;     // "No network support"
  bool noUdp = false;     // "No TCP/IP support"
  bool noIpx = false;     // "No IPX support"
  bool noSerial = false;  // "No serial support"
  bool portOn = false;    // "Port:"
  std::string port;
  bool hostnameOn = false;  // "Hostname:"
  std::string hostname;
  // Memory page. "Normal" and "Heapsize:" add nothing, so they are not read.
  bool winmemOn = false;  // "Winmem:"
  std::string winmem;
  bool lockMemory = false;        // "Lock memory"
  bool lockUnlockMemory = false;  // "Lock and unlock memory"

  // GLQuake page.
  bool usingGlquake = false;  // "Using GLQuake"
  bool resolutionOn = false;  // "Video resolution:"
  std::string width;
  std::string height;
  std::string bpp;            // "BPP:"
  bool noPolyblend = false;   // "Disable polybend"
  bool noFlashblend = false;  // "Disable flashbend"
  bool shadows = false;       // "Shadowed"

  // Extra page and the chosen map.
  std::string extra;  // appended exactly as typed
  std::string map;    // the map file name after "+map"
};

struct FrmMainPart;

// The launch options from the option controls, each asked for by its row of the main window's
// table (frm_main_controls.h): checked gives a check box's or radio button's state, text an
// edit's text or a label's caption.
LaunchOptions ReadLaunchOptions(const std::function<bool(const FrmMainPart&)>& checked,
                                const std::function<std::string(const FrmMainPart&)>& text);

}  // namespace gv
