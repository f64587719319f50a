#include "app/frm_main_controls.h"

#include <iterator>

namespace gv {

using C = FrmMainControls;
using O = LaunchOptions;

const FrmMainPart kParts[] = {
    // General page.
    {"IntEdit1", &C::skill, &O::skill},
    {"Edit1", &C::playerName, &O::playerName},
    {"IntEdit2", &C::shirt, &O::shirt},
    {"IntEdit3", &C::trousers, &O::trousers},
    {"CheckBox6", &C::noCdAudio, &O::noCdAudio},
    {"CheckBox7", &C::noJoystick, &O::noJoystick},
    {"CheckBox8", &C::noSound, &O::noSound},
    {"CheckBox9", &C::noVesa, &O::noVesa},
    // Multiplayer page.
    {"RadioButton1", &C::deathmatch, &O::deathmatch},
    {"RadioButton2", &C::cooperative, &O::cooperative},
    {"IntEdit4", &C::gameModeValue, &O::gameModeValue},
    {"RadioButton3", &C::listenServer, &O::listenServer},
    {"RadioButton4", &C::dedicatedServer, &O::dedicatedServer},
    {"CheckBox4", &C::maxPlayersOn, &O::maxPlayersOn},
    {"IntEdit8", &C::maxPlayers, &O::maxPlayers},
    {"CheckBox1", &C::teamplayOn, &O::teamplayOn},
    {"IntEdit5", &C::teamplay, &O::teamplay},
    {"CheckBox2", &C::timelimitOn, &O::timelimitOn},
    {"IntEdit6", &C::timelimit, &O::timelimit},
    {"CheckBox3", &C::fraglimitOn, &O::fraglimitOn},
    {"IntEdit7", &C::fraglimit, &O::fraglimit},
    {"CheckBox5", &C::noExit, &O::noExit},
    // Map page.
    {"RadioButton14", &C::baseMapsOn, {}},
    {"ComboBox2", &C::baseMaps, {}},
    {"RadioButton15", &C::addOnMapsOn, {}},
    {"ComboBox3", &C::addOnMaps, {}},
    {"editChosenMap", &C::chosenMap, {}},
    {"lblMapName", &C::mapFile, &O::map},
    // Network page.
    {"CheckBox10", &C::noLan, &O::noLan},
    {"CheckBox11", &C::noUdp, &O::noUdp},
    {"CheckBox12", &C::noIpx, &O::noIpx},
    {"CheckBox13", &C::noSerial, &O::noSerial},
    {"CheckBox14", &C::portOn, &O::portOn},
    {"IntEdit9", &C::port, &O::port},
    {"CheckBox15", &C::hostnameOn, &O::hostnameOn},
    {"Edit2", &C::hostname, &O::hostname},
    // Memory page. "Normal" and "Heapsize:" add nothing to the command line.
    {"RadioButton5", &C::memoryNormal, {}},
    {"RadioButton6", &C::lockMemory, &O::lockMemory},
    {"RadioButton7", &C::lockUnlockMemory, &O::lockUnlockMemory},
    {"CheckBox17", &C::winmemOn, &O::winmemOn},
    {"IntEdit10", &C::winmem, &O::winmem},
    {"CheckBox23", &C::heapsizeOn, {}},
    {"IntEdit14", &C::heapsize, {}},
    // GLQuake page.
    {"CheckBox21", &C::usingGLQuake, &O::usingGlquake},
    {"CheckBox18", &C::resolutionOn, &O::resolutionOn},
    {"IntEdit11", &C::width, &O::width},
    {"Label1", &C::widthByHeight, {}},
    {"IntEdit12", &C::height, &O::height},
    {"Win95SpeedButton5", &C::resolutionMenuButton, {}},
    {"Label2", &C::bppLabel, {}},
    {"IntEdit13", &C::bpp, &O::bpp},
    {"Win95SpeedButton6", &C::bppMenuButton, {}},
    {"CheckBox19", &C::noPolyblend, &O::noPolyblend},
    {"CheckBox20", &C::noFlashblend, &O::noFlashblend},
    {"CheckBox22", &C::shadows, &O::shadows},
    {"popupRes", &C::resolutionMenu, {}},
    {"popupBPP", &C::bppMenu, {}},
    // WinQuake page.
    {"CheckBox16", &C::usingWinQuake, &O::usingWinquake},
    {"RadioButton8", &C::modeMax, &O::modeMax},
    {"RadioButton9", &C::modeFast, &O::modeFast},
    {"RadioButton10", &C::modeFastvid, &O::modeFastvid},
    {"RadioButton11", &C::modeFastsnd, &O::modeFastsnd},
    {"RadioButton12", &C::modeSafe, &O::modeSafe},
    {"RadioButton13", &C::modeVerysafe, &O::modeVerysafe},
    // Extra page: appended exactly as typed.
    {"editExtra", &C::extra, &O::extra},
    // The window around the pages.
    {"ComboBox1", &C::pageSelector, {}},
    {"Win95SpeedButton3", &C::run, {}},
    {"Notebook1", &C::pages, {}},
    {"StatusBar", &C::statusLine, {}},
    {"timerSplash", &C::splashTimer, {}},
    {"AutoPS", &C::settings, {}},
};

const FrmMainPart* FrmMainParts::begin() const { return std::begin(kParts); }
const FrmMainPart* FrmMainParts::end() const { return std::end(kParts); }

}  // namespace gv
