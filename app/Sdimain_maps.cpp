// Map choice and video-mode menus of the main window: the two map lists with their radio
// buttons, and the resolution and colour-depth menus of the GLQuake page.
#include "app/Sdimain.h"

// A base-game map into editChosenMap and lblMapName.
void TfrmMain::ComboBox2Change(fw::Component*) {}

// An add-on map: its title into editChosenMap, its file name into lblMapName.
void TfrmMain::ComboBox3Change(fw::Component*) {}

// "Original Quake Map:" makes the base-game list usable.
void TfrmMain::RadioButton14Click(fw::Component*) {}

// "OEM Gorvale Map:" makes the add-on list usable.
void TfrmMain::RadioButton15Click(fw::Component*) {}

// Opens the resolution menu beside its button.
void TfrmMain::Win95SpeedButton5Click(fw::Component*) {}

// Opens the colour-depth menu beside its button.
void TfrmMain::Win95SpeedButton6Click(fw::Component*) {}

// 400 x 300 into the width and height fields.
void TfrmMain::N400x3001Click(fw::Component*) {}

// 512 x 384 into the width and height fields.
void TfrmMain::N512x3841Click(fw::Component*) {}

// 640 x 480 into the width and height fields.
void TfrmMain::N640x4801Click(fw::Component*) {}

// 800 x 600 into the width and height fields.
void TfrmMain::N800x6001Click(fw::Component*) {}

// 1024 x 768 into the width and height fields.
void TfrmMain::N1024x7681Click(fw::Component*) {}

// 1152 x 864 into the width and height fields.
void TfrmMain::N1152x8641Click(fw::Component*) {}

// 1280 x 1024 into the width and height fields.
void TfrmMain::N1280x10241Click(fw::Component*) {}

// 16 bits per pixel into the depth field.
void TfrmMain::N11Click(fw::Component*) {}

// 24 bits per pixel into the depth field.
void TfrmMain::N241Click(fw::Component*) {}

// 32 bits per pixel into the depth field.
void TfrmMain::N321Click(fw::Component*) {}
