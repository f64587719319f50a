// Option rules of the main window: check boxes that enable, disable and exclude the options
// that depend on them, and the pass that brings the enabled states in line after a restore.
// A rule changes only enabled and check states. Setting a box runs that box's own rule at
// once (the check box raises its click handler on every change), so the rules nest.
#include <initializer_list>

#include "app/frm_main.h"
#include "controls/int_edit.h"
#include "controls/speed_button.h"
#include "framework/stdctrls/check_box.h"
#include "framework/stdctrls/combo_box.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/radio_button.h"

namespace gv {

namespace {

void EnableAll(std::initializer_list<fw::TControl*> controls, bool enabled) {
  for (fw::TControl* c : controls) c->SetEnabled(enabled);
}

void Uncheck(fw::TCheckBox* box) {
  if (box->Checked()) box->SetChecked(false);
}

}  // namespace

// "Video resolution:" governs the width, height and depth fields, their menu buttons and the
// "x" and "BPP:" labels.
void TfrmMain::SetResolutionGroupEnabled(bool enabled) {
  EnableAll({ui_.width, ui_.height, ui_.bpp, ui_.resolutionMenuButton, ui_.bppMenuButton, ui_.widthByHeight,
             ui_.bppLabel},
            enabled);
}

// "Using GLQuake" governs its four boxes and, through "Video resolution:", the resolution group.
void TfrmMain::SetGLQuakeGroupEnabled(bool enabled) {
  EnableAll({ui_.resolutionOn, ui_.noPolyblend, ui_.noFlashblend, ui_.shadows}, enabled);
  SetResolutionGroupEnabled(enabled && ui_.resolutionOn->Checked());
}

void TfrmMain::SetWinQuakeModesEnabled(bool enabled) {
  EnableAll({ui_.modeMax, ui_.modeFast, ui_.modeFastvid, ui_.modeFastsnd, ui_.modeSafe, ui_.modeVerysafe},
            enabled);
}

// "Teamplay:" enables its number.
void TfrmMain::CheckBox1Click(fw::Component*) { ui_.teamplay->SetEnabled(ui_.teamplayOn->Checked()); }

// "Timelimit:" enables its number.
void TfrmMain::CheckBox2Click(fw::Component*) { ui_.timelimit->SetEnabled(ui_.timelimitOn->Checked()); }

// "Fraglimit:" enables its number.
void TfrmMain::CheckBox3Click(fw::Component*) { ui_.fraglimit->SetEnabled(ui_.fraglimitOn->Checked()); }

// "Max players:" enables its number.
void TfrmMain::CheckBox4Click(fw::Component*) { ui_.maxPlayers->SetEnabled(ui_.maxPlayersOn->Checked()); }

// "No network support" clears the protocol boxes and disables "Port:" and "Hostname:"; their
// marks and fields stay as they are (a checked "Port:" still reaches the command line).
void TfrmMain::CheckBox10Click(fw::Component*) {
  for (fw::TCheckBox* box : {ui_.noUdp, ui_.noIpx, ui_.noSerial}) box->SetChecked(false);
  EnableAll({ui_.portOn, ui_.hostnameOn}, !ui_.noLan->Checked());
}

// "Port:" enables its number.
void TfrmMain::CheckBox14Click(fw::Component*) { ui_.port->SetEnabled(ui_.portOn->Checked()); }

// "Hostname:" enables its edit.
void TfrmMain::CheckBox15Click(fw::Component*) { ui_.hostname->SetEnabled(ui_.hostnameOn->Checked()); }

// "Using WinQuake": the WinQuake modes and "Winmem:" become usable, "Heapsize:" does not, and
// "Using GLQuake" is cleared. Unchecked, the modes and "Winmem:" go.
void TfrmMain::CheckBox16Click(fw::Component*) {
  if (ui_.usingWinQuake->Checked()) {
    SetWinQuakeModesEnabled(true);
    Uncheck(ui_.heapsizeOn);
    ui_.heapsizeOn->SetEnabled(false);
    ui_.winmemOn->SetEnabled(true);
    if (ui_.usingGLQuake->Checked()) {
      ui_.usingGLQuake->SetChecked(false);
      SetGLQuakeGroupEnabled(false);
    }
  } else {
    SetWinQuakeModesEnabled(false);
    Uncheck(ui_.winmemOn);
    ui_.winmemOn->SetEnabled(false);
  }
}

// "Winmem:" enables the memory-locking buttons and its number.
void TfrmMain::CheckBox17Click(fw::Component*) {
  bool on = ui_.winmemOn->Checked();
  EnableAll({ui_.memoryNormal, ui_.lockMemory, ui_.lockUnlockMemory, ui_.winmem}, on);
}

// "Video resolution:" enables the resolution group.
void TfrmMain::CheckBox18Click(fw::Component*) { SetResolutionGroupEnabled(ui_.resolutionOn->Checked()); }

// "Using GLQuake": its group and "Heapsize:" become usable, "Winmem:" does not, and "Using
// WinQuake" is cleared. Unchecked, the group and "Heapsize:" go and "Winmem:" comes back.
void TfrmMain::CheckBox21Click(fw::Component*) {
  if (ui_.usingGLQuake->Checked()) {
    SetGLQuakeGroupEnabled(true);
    ui_.heapsizeOn->SetEnabled(true);
    ui_.winmemOn->SetEnabled(false);
    if (ui_.usingWinQuake->Checked()) {
      ui_.usingWinQuake->SetChecked(false);
      SetWinQuakeModesEnabled(false);
    }
    if (ui_.winmemOn->Checked()) {
      ui_.winmemOn->SetChecked(false);
      ui_.winmemOn->SetEnabled(false);
      EnableAll({ui_.memoryNormal, ui_.lockMemory, ui_.lockUnlockMemory}, false);
    }
  } else {
    SetGLQuakeGroupEnabled(false);
    ui_.winmemOn->SetEnabled(true);
    Uncheck(ui_.heapsizeOn);
    ui_.heapsizeOn->SetEnabled(false);
  }
}

// "Heapsize:" enables its number.
void TfrmMain::CheckBox23Click(fw::Component*) { ui_.heapsize->SetEnabled(ui_.heapsizeOn->Checked()); }

// Moving to a protocol box while "No network support" is checked gives the protocols back:
// "No network support" is cleared (and its rule runs) before the box can be set.
void TfrmMain::ProtocolBoxEntered(fw::TCheckBox* box) {
  if (!box->Checked() && ui_.noLan->Checked()) ui_.noLan->SetChecked(false);
}

void TfrmMain::CheckBox11Enter(fw::Component*) { ProtocolBoxEntered(ui_.noUdp); }
void TfrmMain::CheckBox12Enter(fw::Component*) { ProtocolBoxEntered(ui_.noIpx); }
void TfrmMain::CheckBox13Enter(fw::Component*) { ProtocolBoxEntered(ui_.noSerial); }

// The after-restore pass: enabled states from the restored check states, in this order. It
// sets no check state, so it raises no handler; "Port:", "Hostname:", "Winmem:", "Heapsize:"
// and the heap size field keep what the restores' handlers left.
void TfrmMain::ApplyRestoredStates() {
  ui_.teamplay->SetEnabled(ui_.teamplayOn->Checked());
  ui_.timelimit->SetEnabled(ui_.timelimitOn->Checked());
  ui_.fraglimit->SetEnabled(ui_.fraglimitOn->Checked());
  ui_.maxPlayers->SetEnabled(ui_.maxPlayersOn->Checked());
  ui_.port->SetEnabled(ui_.portOn->Checked());
  ui_.hostname->SetEnabled(ui_.hostnameOn->Checked());
  EnableAll({ui_.winmem, ui_.memoryNormal, ui_.lockMemory, ui_.lockUnlockMemory}, ui_.winmemOn->Checked());
  SetWinQuakeModesEnabled(ui_.usingWinQuake->Checked());
  SetGLQuakeGroupEnabled(ui_.usingGLQuake->Checked());
  bool addOn = ui_.addOnMapsOn->Checked();
  ui_.addOnMaps->SetEnabled(addOn);
  ui_.baseMaps->SetEnabled(!addOn);
}

}  // namespace gv
