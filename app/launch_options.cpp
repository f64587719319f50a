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
    {"CheckBox16", &O::usingWinquake},
    {"RadioButton8", &O::modeMax},
    {"RadioButton9", &O::modeFast},
    {"RadioButton10", &O::modeFastvid},
    {"RadioButton11", &O::modeFastsnd},
    {"RadioButton12", &O::modeSafe},
    {"RadioButton13", &O::modeVerysafe},
    {"CheckBox6", &O::noCdAudio},
    {"CheckBox7", &O::noJoystick},
    {"CheckBox8", &O::noSound},
    {"CheckBox9", &O::noVesa},
    {"RadioButton1", &O::deathmatch},
    {"RadioButton2", &O::cooperative},
    {"RadioButton3", &O::listenServer},
    {"RadioButton4", &O::dedicatedServer},
    {"CheckBox4", &O::maxPlayersOn},
    {"CheckBox1", &O::teamplayOn},
    {"CheckBox2", &O::timelimitOn},
    {"CheckBox3", &O::fraglimitOn},
    {"CheckBox5", &O::noExit},
    {"CheckBox10", &O::noLan},
    {"CheckBox11", &O::noUdp},
    {"CheckBox12", &O::noIpx},
    {"CheckBox13", &O::noSerial},
    {"CheckBox14", &O::portOn},
    {"CheckBox15", &O::hostnameOn},
    {"CheckBox17", &O::winmemOn},
    {"RadioButton6", &O::lockMemory},
    {"RadioButton7", &O::lockUnlockMemory},
    {"CheckBox21", &O::usingGlquake},
    {"CheckBox18", &O::resolutionOn},
    {"CheckBox19", &O::noPolyblend},
    {"CheckBox20", &O::noFlashblend},
    {"CheckBox22", &O::shadows},
};

const Text kTexts[] = {
    {"IntEdit1", &O::skill},    {"Edit1", &O::playerName},       {"IntEdit2", &O::shirt},
    {"IntEdit3", &O::trousers}, {"IntEdit4", &O::gameModeValue}, {"IntEdit8", &O::maxPlayers},
    {"IntEdit5", &O::teamplay}, {"IntEdit6", &O::timelimit},     {"IntEdit7", &O::fraglimit},
    {"IntEdit9", &O::port},     {"Edit2", &O::hostname},         {"IntEdit10", &O::winmem},
    {"IntEdit11", &O::width},   {"IntEdit12", &O::height},       {"IntEdit13", &O::bpp},
    {"editExtra", &O::extra},   {"lblMapName", &O::map},
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
