#include "app/batch_line.h"

namespace gv {
namespace {

struct ModeWord {
  bool LaunchOptions::*button_;
  const char* word_;
};

// WinQuake's start-up modes, in the order the buttons are tested.
constexpr ModeWord kModeWords[] = {
    {&LaunchOptions::mode_max_, " max"},         {&LaunchOptions::mode_fast_, " fast"},
    {&LaunchOptions::mode_fastvid_, " fastvid"}, {&LaunchOptions::mode_fastsnd_, " fastsnd"},
    {&LaunchOptions::mode_safe_, " safe"},       {&LaunchOptions::mode_verysafe_, " verysafe"},
};

std::string ModeWordOf(const LaunchOptions& options) {
  if (!options.using_winquake_) return "";
  for (const ModeWord& mode : kModeWords) {
    if (options.*mode.button_) return mode.word_;
  }
  return "";
}

// Names go inside double quotes; their characters, quotes included, are copied unchanged, but
// for "%": the batch interpreter expands it even inside quotes ("50%" would reach the game as
// "50"), so it is doubled and arrives single.
std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    quoted += c;
    if (c == '%') quoted += '%';
  }
  return quoted + "\"";
}

// "Max players" rides on the server switch: a blank and the number, no switch name.
std::string MaxPlayersOf(const LaunchOptions& options) {
  return options.max_players_on_ ? " " + options.max_players_ : "";
}

void AppendIf(std::string& line, bool condition, const std::string& text) {
  if (condition) line += text;
}

}  // namespace

std::string BuildCommandLine(const LaunchOptions& o) {
  std::string line = ModeWordOf(o);
  line += " +skill " + o.skill_;
  line += " +name " + Quoted(o.player_name_);
  line += " +color " + o.shirt_ + " " + o.trousers_;
  AppendIf(line, o.no_cd_audio_, " -nocdaudio");
  AppendIf(line, o.no_joystick_, " -nojoy");
  AppendIf(line, o.no_sound_, " -nosound");
  AppendIf(line, o.no_vesa_, " -stdvid");
  AppendIf(line, o.deathmatch_, " +deathmatch " + o.game_mode_value_);
  AppendIf(line, o.cooperative_, " +coop " + o.game_mode_value_);
  AppendIf(line, o.listen_server_, " -listen" + MaxPlayersOf(o));
  AppendIf(line, o.dedicated_server_, " -dedicated" + MaxPlayersOf(o));
  AppendIf(line, o.teamplay_on_, " +teamplay " + o.teamplay_);
  AppendIf(line, o.timelimit_on_, " +timelimit " + o.timelimit_);
  AppendIf(line, o.fraglimit_on_, " +fraglimit " + o.fraglimit_);
  AppendIf(line, o.no_exit_, " +noexit 1");
  AppendIf(line, o.no_lan_, " -nolan");
  AppendIf(line, o.no_udp_, " -noudp");
  AppendIf(line, o.no_ipx_, " -noipx");
  AppendIf(line, o.no_serial_, " -noserial");
  AppendIf(line, o.port_on_, " -udpport " + o.port_);
  AppendIf(line, o.hostname_on_, " +hostname " + Quoted(o.hostname_));
  AppendIf(line, o.winmem_on_, " -winmem " + o.winmem_);
  // The lock choices stand on their own, whatever "Winmem:" says.
  AppendIf(line, o.lock_memory_, " -winlock");
  AppendIf(line, o.lock_unlock_memory_, " -winlockunlock");
  // GLQuake switches follow "Using GLQuake" alone.
  if (o.using_glquake_) {
    AppendIf(line, o.resolution_on_, " -width " + o.width_ + " -height " + o.height_ + " -bpp " + o.bpp_);
    AppendIf(line, o.no_polyblend_, " -gl_polybend 0");
    AppendIf(line, o.no_flashblend_, " -gl_flashbend 0");
    AppendIf(line, o.shadows_, " -r_shadows 1");
  }
  line += o.extra_;
  line += " -game gorvale";
  return line;
}

std::string ChooseExecutable(const LaunchOptions& options) {
  if (options.using_glquake_) return "glquake.exe";
  if (options.using_winquake_) return "wq.bat";
  return "quake.exe";
}

std::string BuildBatchLine(const LaunchOptions& options) {
  return ChooseExecutable(options) + BuildCommandLine(options) + " +map " + options.map_;
}

}  // namespace gv
