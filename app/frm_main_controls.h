// The main window's controls that its handlers work on, by what they are for. Each is named
// once, in the table of frm_main_controls.cpp from component name to member; the option
// rules and the map handlers go through these members. (What the run button reads is named in
// launch_options.cpp.)
#pragma once

namespace fw {
class Component;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TNotebook;
class TPanel;
class TPopupMenu;
class TRadioButton;
class TTimer;
}  // namespace fw

namespace gv {
class TAutoPropertiesStore;
class TIntEdit;
class TWin95SpeedButton;

struct MainWindowControls {
  // Multiplayer page.
  fw::TCheckBox* maxPlayersOn = nullptr;
  TIntEdit* maxPlayers = nullptr;
  fw::TCheckBox* teamplayOn = nullptr;
  TIntEdit* teamplay = nullptr;
  fw::TCheckBox* timelimitOn = nullptr;
  TIntEdit* timelimit = nullptr;
  fw::TCheckBox* fraglimitOn = nullptr;
  TIntEdit* fraglimit = nullptr;
  // Map page.
  fw::TRadioButton* baseMapsOn = nullptr;
  fw::TComboBox* baseMaps = nullptr;
  fw::TRadioButton* addOnMapsOn = nullptr;
  fw::TComboBox* addOnMaps = nullptr;
  fw::TEdit* chosenMap = nullptr;
  fw::TLabel* mapFile = nullptr;  // hidden: the file name after "+map"
  // Network page.
  fw::TCheckBox* noLan = nullptr;
  fw::TCheckBox* noUdp = nullptr;
  fw::TCheckBox* noIpx = nullptr;
  fw::TCheckBox* noSerial = nullptr;
  fw::TCheckBox* portOn = nullptr;
  TIntEdit* port = nullptr;
  fw::TCheckBox* hostnameOn = nullptr;
  fw::TEdit* hostname = nullptr;
  // Memory page.
  fw::TRadioButton* memoryNormal = nullptr;
  fw::TRadioButton* lockMemory = nullptr;
  fw::TRadioButton* lockUnlockMemory = nullptr;
  fw::TCheckBox* winmemOn = nullptr;
  TIntEdit* winmem = nullptr;
  fw::TCheckBox* heapsizeOn = nullptr;
  TIntEdit* heapsize = nullptr;
  // GLQuake page.
  fw::TCheckBox* usingGLQuake = nullptr;
  fw::TCheckBox* resolutionOn = nullptr;
  TIntEdit* width = nullptr;
  fw::TLabel* widthByHeight = nullptr;  // "x"
  TIntEdit* height = nullptr;
  TWin95SpeedButton* resolutionMenuButton = nullptr;
  fw::TLabel* bppLabel = nullptr;
  TIntEdit* bpp = nullptr;
  TWin95SpeedButton* bppMenuButton = nullptr;
  fw::TCheckBox* noPolyblend = nullptr;
  fw::TCheckBox* noFlashblend = nullptr;
  fw::TCheckBox* shadows = nullptr;
  fw::TPopupMenu* resolutionMenu = nullptr;
  fw::TPopupMenu* bppMenu = nullptr;
  // WinQuake page.
  fw::TCheckBox* usingWinQuake = nullptr;
  fw::TRadioButton* modeMax = nullptr;
  fw::TRadioButton* modeFast = nullptr;
  fw::TRadioButton* modeFastvid = nullptr;
  fw::TRadioButton* modeFastsnd = nullptr;
  fw::TRadioButton* modeSafe = nullptr;
  fw::TRadioButton* modeVerysafe = nullptr;
  // The window around the pages.
  fw::TComboBox* pageSelector = nullptr;
  fw::TNotebook* pages = nullptr;
  fw::TPanel* statusLine = nullptr;
  fw::TTimer* splashTimer = nullptr;
  TAutoPropertiesStore* settings = nullptr;

  // Binds every member to the window's component of its name. A name the window lacks, or a
  // component of another class, is a fault of the description and throws.
  void Bind(const fw::Component& window);
};

}  // namespace gv
