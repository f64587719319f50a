#include "app/batch_line.h"

namespace gv {
namespace {

struct ModeWord {
  bool LaunchOptions::*button_;
  const char* word_;
};

// WinQuake's start-up modes, in the order the buttons are tested.
constexpr ModeWord kModeWords[] = {
    {&LaunchOptions::modeMax, " max"},         {&LaunchOptions::modeFast, " fast"},
    {&LaunchOptions::modeFastvid, " fastvid"}, {&LaunchOptions::modeFastsnd, " fastsnd"},
    {&LaunchOptions::modeSafe, " safe"},       {&LaunchOptions::modeVerysafe, " verysafe"},
};

std::string ModeWordOf(const LaunchOptions& options) {
  if (!options.usingWinquake) return "";
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
  return options.maxPlayersOn ? " " + options.maxPlayers : "";
}

void AppendIf(std::string& line, bool condition, const std::string& text) {
  if (condition) line += text;
}

}  // namespace

std::string BuildCommandLine(const LaunchOptions& o) {
  std::string line = ModeWordOf(o);
  line += " +skill " + o.skill;
  line += " +name " + Quoted(o.playerName);
  line += " +color " + o.shirt + " " + o.trousers;
  AppendIf(line, o.noCdAudio, " -nocdaudio");
  AppendIf(line, o.noJoystick, " -nojoy");
  AppendIf(line, o.noSound, " -nosound");
  AppendIf(line, o.noVesa, " -stdvid");
  AppendIf(line, o.deathmatch, " +deathmatch " + o.gameModeValue);
  AppendIf(line, o.cooperative, " +coop " + o.gameModeValue);
  AppendIf(line, o.listenServer, " -listen" + MaxPlayersOf(o));
  AppendIf(line, o.dedicatedServer, " -dedicated" + MaxPlayersOf(o));
  AppendIf(line, o.teamplayOn, " +teamplay " + o.teamplay);
  AppendIf(line, o.timelimitOn, " +timelimit " + o.timelimit);
  AppendIf(line, o.fraglimitOn, " +fraglimit " + o.fraglimit);
  AppendIf(line, o.noExit, " +noexit 1");
  AppendIf(line, o.noLan, " -nolan");
  AppendIf(line, o.noUdp, " -noudp");
  AppendIf(line, o.noIpx, " -noipx");
  AppendIf(line, o.noSerial, " -noserial");
  AppendIf(line, o.portOn, " -udpport " + o.port);
  AppendIf(line, o.hostnameOn, " +hostname " + Quoted(o.hostname));
  AppendIf(line, o.winmemOn, " -winmem " + o.winmem);
  // The lock choices stand on their own, whatever "Winmem:" says.
  AppendIf(line, o.lockMemory, " -winlock");
  AppendIf(line, o.lockUnlockMemory, " -winlockunlock");
  // GLQuake switches follow "Using GLQuake" alone.
  if (o.usingGlquake) {
    AppendIf(line, o.resolutionOn, " -width " + o.width + " -height " + o.height + " -bpp " + o.bpp);
    AppendIf(line, o.noPolyblend, " -gl_polybend 0");
    AppendIf(line, o.noFlashblend, " -gl_flashbend 0");
    AppendIf(line, o.shadows, " -r_shadows 1");
  }
  line += o.extra;
  line += " -game gorvale";
  return line;
}

std::string ChooseExecutable(const LaunchOptions& options) {
  if (options.usingGlquake) return "glquake.exe";
  if (options.usingWinquake) return "wq.bat";
  return "quake.exe";
}

std::string BuildBatchLine(const LaunchOptions& options) {
  return ChooseExecutable(options) + BuildCommandLine(options) + " +map " + options.map;
}

}  // namespace gv
