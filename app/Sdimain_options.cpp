// Option rules of the main window: check boxes that enable, disable and exclude the options
// that depend on them, and the pass that brings the enabled states in line after a restore.
// A rule changes only enabled and check states. Setting a box runs that box's own rule at
// once (the check box raises its click handler on every change), so the rules nest.
#include <initializer_list>

#include "app/Sdimain.h"
#include "controls/IntEdit.h"
#include "controls/W95Speed.h"
#include "framework/win32/check_box.h"
#include "framework/win32/combo_box.h"
#include "framework/win32/edit.h"
#include "framework/win32/label.h"
#include "framework/win32/radio_button.h"

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
  EnableAll({IntEdit(11), IntEdit(12), IntEdit(13), win95SpeedButton5_, win95SpeedButton6_, label1_, label2_},
            enabled);
}

// "Using GLQuake" governs its four boxes and, through "Video resolution:", the resolution group.
void TfrmMain::SetGLQuakeGroupEnabled(bool enabled) {
  EnableAll({CheckBox(18), CheckBox(19), CheckBox(20), CheckBox(22)}, enabled);
  SetResolutionGroupEnabled(enabled && CheckBox(18)->Checked());
}

void TfrmMain::SetWinQuakeModesEnabled(bool enabled) {
  EnableAll(
      {RadioButton(8), RadioButton(9), RadioButton(10), RadioButton(11), RadioButton(12), RadioButton(13)},
      enabled);
}

// "Teamplay:" enables its number.
void TfrmMain::CheckBox1Click(fw::Component*) { IntEdit(5)->SetEnabled(CheckBox(1)->Checked()); }

// "Timelimit:" enables its number.
void TfrmMain::CheckBox2Click(fw::Component*) { IntEdit(6)->SetEnabled(CheckBox(2)->Checked()); }

// "Fraglimit:" enables its number.
void TfrmMain::CheckBox3Click(fw::Component*) { IntEdit(7)->SetEnabled(CheckBox(3)->Checked()); }

// "Max players:" enables its number.
void TfrmMain::CheckBox4Click(fw::Component*) { IntEdit(8)->SetEnabled(CheckBox(4)->Checked()); }

// "No network support" clears the protocol boxes and disables "Port:" and "Hostname:"; their
// marks and fields stay as they are (a checked "Port:" still reaches the command line).
void TfrmMain::CheckBox10Click(fw::Component*) {
  for (int n : {11, 12, 13}) CheckBox(n)->SetChecked(false);
  EnableAll({CheckBox(14), CheckBox(15)}, !CheckBox(10)->Checked());
}

// "Port:" enables its number.
void TfrmMain::CheckBox14Click(fw::Component*) { IntEdit(9)->SetEnabled(CheckBox(14)->Checked()); }

// "Hostname:" enables its edit.
void TfrmMain::CheckBox15Click(fw::Component*) { edit2_->SetEnabled(CheckBox(15)->Checked()); }

// "Using WinQuake": the WinQuake modes and "Winmem:" become usable, "Heapsize:" does not, and
// "Using GLQuake" is cleared. Unchecked, the modes and "Winmem:" go.
void TfrmMain::CheckBox16Click(fw::Component*) {
  if (CheckBox(16)->Checked()) {
    SetWinQuakeModesEnabled(true);
    Uncheck(CheckBox(23));
    CheckBox(23)->SetEnabled(false);
    CheckBox(17)->SetEnabled(true);
    if (CheckBox(21)->Checked()) {
      CheckBox(21)->SetChecked(false);
      SetGLQuakeGroupEnabled(false);
    }
  } else {
    SetWinQuakeModesEnabled(false);
    Uncheck(CheckBox(17));
    CheckBox(17)->SetEnabled(false);
  }
}

// "Winmem:" enables the memory-locking buttons and its number.
void TfrmMain::CheckBox17Click(fw::Component*) {
  bool on = CheckBox(17)->Checked();
  EnableAll({RadioButton(5), RadioButton(6), RadioButton(7), IntEdit(10)}, on);
}

// "Video resolution:" enables the resolution group.
void TfrmMain::CheckBox18Click(fw::Component*) { SetResolutionGroupEnabled(CheckBox(18)->Checked()); }

// "Using GLQuake": its group and "Heapsize:" become usable, "Winmem:" does not, and "Using
// WinQuake" is cleared. Unchecked, the group and "Heapsize:" go and "Winmem:" comes back.
void TfrmMain::CheckBox21Click(fw::Component*) {
  if (CheckBox(21)->Checked()) {
    SetGLQuakeGroupEnabled(true);
    CheckBox(23)->SetEnabled(true);
    CheckBox(17)->SetEnabled(false);
    if (CheckBox(16)->Checked()) {
      CheckBox(16)->SetChecked(false);
      SetWinQuakeModesEnabled(false);
    }
    if (CheckBox(17)->Checked()) {
      CheckBox(17)->SetChecked(false);
      CheckBox(17)->SetEnabled(false);
      EnableAll({RadioButton(5), RadioButton(6), RadioButton(7)}, false);
    }
  } else {
    SetGLQuakeGroupEnabled(false);
    CheckBox(17)->SetEnabled(true);
    Uncheck(CheckBox(23));
    CheckBox(23)->SetEnabled(false);
  }
}

// "Heapsize:" enables its number.
void TfrmMain::CheckBox23Click(fw::Component*) { IntEdit(14)->SetEnabled(CheckBox(23)->Checked()); }

// Moving to a protocol box while "No network support" is checked gives the protocols back:
// "No network support" is cleared (and its rule runs) before the box can be set.
void TfrmMain::ProtocolBoxEntered(int n) {
  if (!CheckBox(n)->Checked() && CheckBox(10)->Checked()) CheckBox(10)->SetChecked(false);
}

void TfrmMain::CheckBox11Enter(fw::Component*) { ProtocolBoxEntered(11); }
void TfrmMain::CheckBox12Enter(fw::Component*) { ProtocolBoxEntered(12); }
void TfrmMain::CheckBox13Enter(fw::Component*) { ProtocolBoxEntered(13); }

// The after-restore pass: enabled states from the restored check states, in this order. It
// sets no check state, so it raises no handler; "Port:", "Hostname:", "Winmem:", "Heapsize:"
// and the heap size field keep what the restores' handlers left.
void TfrmMain::ApplyRestoredStates() {
  IntEdit(5)->SetEnabled(CheckBox(1)->Checked());
  IntEdit(6)->SetEnabled(CheckBox(2)->Checked());
  IntEdit(7)->SetEnabled(CheckBox(3)->Checked());
  IntEdit(8)->SetEnabled(CheckBox(4)->Checked());
  IntEdit(9)->SetEnabled(CheckBox(14)->Checked());
  edit2_->SetEnabled(CheckBox(15)->Checked());
  EnableAll({IntEdit(10), RadioButton(5), RadioButton(6), RadioButton(7)}, CheckBox(17)->Checked());
  SetWinQuakeModesEnabled(CheckBox(16)->Checked());
  SetGLQuakeGroupEnabled(CheckBox(21)->Checked());
  bool addOn = RadioButton(15)->Checked();
  comboBox3_->SetEnabled(addOn);
  comboBox2_->SetEnabled(!addOn);
}
