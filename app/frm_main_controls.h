// The main window's components that the program works on, each named once, in the window-free
// table of frm_main_controls.cpp: its name in the description, its member here and, for an option
// control, the launch option it gives. The window binds them (frm_main_controls_win32.cpp); the
// launch options are read through the table, from the window or (natively) its description.
#pragma once

#include <string>
#include <variant>

#include "app/launch_options.h"

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
struct FrmMainPart;

struct FrmMainControls {
  // General page.
  TIntEdit* skill = nullptr;
  fw::TEdit* playerName = nullptr;
  TIntEdit* shirt = nullptr;
  TIntEdit* trousers = nullptr;
  fw::TCheckBox* noCdAudio = nullptr;
  fw::TCheckBox* noJoystick = nullptr;
  fw::TCheckBox* noSound = nullptr;
  fw::TCheckBox* noVesa = nullptr;
  // Multiplayer page.
  fw::TRadioButton* deathmatch = nullptr;
  fw::TRadioButton* cooperative = nullptr;
  TIntEdit* gameModeValue = nullptr;  // beside "Deathmatch:" and "Cooperative:"
  fw::TRadioButton* listenServer = nullptr;
  fw::TRadioButton* dedicatedServer = nullptr;
  fw::TCheckBox* maxPlayersOn = nullptr;
  TIntEdit* maxPlayers = nullptr;
  fw::TCheckBox* teamplayOn = nullptr;
  TIntEdit* teamplay = nullptr;
  fw::TCheckBox* timelimitOn = nullptr;
  TIntEdit* timelimit = nullptr;
  fw::TCheckBox* fraglimitOn = nullptr;
  TIntEdit* fraglimit = nullptr;
  fw::TCheckBox* noExit = nullptr;
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
  // Extra page.
  fw::TEdit* extra = nullptr;
  // The window around the pages.
  fw::TComboBox* pageSelector = nullptr;
  TWin95SpeedButton* run = nullptr;  // the window's default control: Enter presses it
  fw::TNotebook* pages = nullptr;
  fw::TPanel* statusLine = nullptr;
  fw::TTimer* splashTimer = nullptr;
  TAutoPropertiesStore* settings = nullptr;

  // Binds every member to the window's component of its name; a missing one or another class throws.
  void Bind(const fw::Component& window);
  // The state of an option's check box or radio button, the text of its edit or label.
  bool Checked(const FrmMainPart& part) const;
  std::string Text(const FrmMainPart& part) const;
};

// One row of the table: a component's name, its member, and the launch option it gives if any.
struct FrmMainPart {
  template <class T>
  using Member = T* FrmMainControls::*;
  using Control = std::variant<Member<fw::TCheckBox>, Member<fw::TRadioButton>, Member<fw::TComboBox>,
                               Member<fw::TEdit>, Member<TIntEdit>, Member<fw::TLabel>,
                               Member<TWin95SpeedButton>, Member<fw::TPopupMenu>, Member<fw::TNotebook>,
                               Member<fw::TPanel>, Member<fw::TTimer>, Member<TAutoPropertiesStore>>;
  using Option = std::variant<std::monostate, bool LaunchOptions::*, std::string LaunchOptions::*>;

  const char* name;
  Control control;
  Option option;
};

// The table's rows, in the order of the window's pages.
struct FrmMainParts {
  const FrmMainPart* begin() const;
  const FrmMainPart* end() const;
};

}  // namespace gv
