// Map choice and video-mode menus of the main window: the two map lists with their radio
// buttons, and the resolution and colour-depth menus of the GLQuake page.
#include <array>

#include "app/frm_main.h"
#include "controls/int_edit.h"
#include "controls/speed_button.h"
#include "framework/stdctrls/combo_box.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/radio_button.h"
#include "framework/win32/popup_menu.h"

namespace gv {

namespace {

// The base-game list's map file names by position; "-" separators have none.
const std::array<const char*, 43> kBaseMaps = {
    "dm1",  "dm2",  "dm3",  "dm4",  "dm5",  "dm6",  "",     "e1m1", "e1m2",  "e1m3", "e1m4",
    "e1m5", "e1m6", "e1m7", "e1m8", "",     "e2m1", "e2m2", "e2m3", "e2m4",  "e2m5", "e2m6",
    "e2m7", "",     "e3m1", "e3m2", "e3m3", "e3m4", "e3m5", "e3m6", "e3m7",  "",     "e4m1",
    "e4m2", "e4m3", "e4m4", "e4m5", "e4m6", "e4m7", "e4m8", "",     "start", "end"};

struct AddOnMap {
  const char* title;  // shown in editChosenMap
  const char* file;   // follows "+map"
};
const std::array<AddOnMap, 6> kAddOnMaps = {{{"Ashen Vault", "gdm01"},
                                             {"Sunken Keep", "gdm02"},
                                             {"Thornmere", "gdm04"},
                                             {"Grey Harbour", "gdm09"},
                                             {"Shatter The Step", "gdm17"},
                                             {"Nightfall Yard", "gdm20"}}};

template <size_t N, class T>
const T* At(const std::array<T, N>& table, int index) {
  return index >= 0 && index < static_cast<int>(N) ? &table[index] : nullptr;
}

}  // namespace

// A base-game map: its file name is both the shown name and the "+map" name. A separator, or
// no current item, empties both.
void TfrmMain::ComboBox2Change(fw::Component*) {
  const char* const* file = At(kBaseMaps, ui_.baseMaps->ItemIndex());
  mapText_ = file ? *file : "";
  ui_.chosenMap->SetText(mapText_);
  ui_.mapFile->SetCaption(mapText_);
}

// An add-on map: its title is shown, its file name goes after "+map". With no current item
// the shown name empties and the chosen file stays.
void TfrmMain::ComboBox3Change(fw::Component*) {
  if (const AddOnMap* map = At(kAddOnMaps, ui_.addOnMaps->ItemIndex())) {
    mapText_ = map->title;
    ui_.mapFile->SetCaption(map->file);
  } else {
    mapText_.clear();
  }
  ui_.chosenMap->SetText(mapText_);
}

// "Original Quake Map:" and "OEM Gorvale Map:" each make their own list usable when checked,
// the other one when not. The chosen map stays until a pick in the list now usable.
void TfrmMain::RadioButton14Click(fw::Component*) {
  bool own = ui_.baseMapsOn->Checked();
  ui_.baseMaps->SetEnabled(own);
  ui_.addOnMaps->SetEnabled(!own);
}

void TfrmMain::RadioButton15Click(fw::Component*) {
  bool own = ui_.addOnMapsOn->Checked();
  ui_.addOnMaps->SetEnabled(own);
  ui_.baseMaps->SetEnabled(!own);
}

// The menus open beside their buttons: the window's outer position plus the button's place on
// the page, offset by (12, 65).
void TfrmMain::PopupBeside(fw::TPopupMenu* menu, fw::TControl* button) {
  menu->Popup(Left() + button->Left() + 12, Top() + button->Top() + 65);
}

void TfrmMain::Win95SpeedButton5Click(fw::Component*) {
  PopupBeside(ui_.resolutionMenu, ui_.resolutionMenuButton);
}
void TfrmMain::Win95SpeedButton6Click(fw::Component*) { PopupBeside(ui_.bppMenu, ui_.bppMenuButton); }

// Resolution entries: width and height texts, set directly (no key filter), enabled or not.
void TfrmMain::SetResolution(const char* width, const char* height) {
  ui_.width->SetText(width);
  ui_.height->SetText(height);
}

void TfrmMain::N400x3001Click(fw::Component*) { SetResolution("400", "300"); }
void TfrmMain::N512x3841Click(fw::Component*) { SetResolution("512", "384"); }
void TfrmMain::N640x4801Click(fw::Component*) { SetResolution("640", "480"); }
void TfrmMain::N800x6001Click(fw::Component*) { SetResolution("800", "600"); }
void TfrmMain::N1024x7681Click(fw::Component*) { SetResolution("1024", "768"); }
void TfrmMain::N1152x8641Click(fw::Component*) { SetResolution("1152", "864"); }
void TfrmMain::N1280x10241Click(fw::Component*) { SetResolution("1280", "1024"); }

// Colour-depth entries.
void TfrmMain::N11Click(fw::Component*) { ui_.bpp->SetText("16"); }
void TfrmMain::N241Click(fw::Component*) { ui_.bpp->SetText("24"); }
void TfrmMain::N321Click(fw::Component*) { ui_.bpp->SetText("32"); }

}  // namespace gv
