// The real main window and About box of the launcher, read from the resources linked into the
// test program, as the program entry makes them. The window is made once for the whole test
// program (destroying a shown top-level window is slow under Wine); each control's state is
// read back from its live window right after creation, before the window is first shown.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "app/frm_main.h"
#include "framework/win32/win_control.h"
#include "tests/support/settings_file.h"

namespace gv::test {

// What a control's window showed right after creation.
struct CreatedState {
  std::string page;    // caption of the notebook page it stands on; "" off the notebook
  std::string parent;  // name of the component of its parent window
  RECT bounds{};       // in the parent window's client area
  std::string text;
  int limit = 0;  // EM_GETLIMITTEXT of edits, 0 for other controls
  bool enabled = false, checked = false, visible = false;
};

class FrmMainHost {
 public:
  // Registers the classes, makes the main window and the About box, records the created state
  // and shows the main window normal and active.
  static void SetUp();
  static TfrmMain* Form() { return frmMain; }
  static const std::map<std::string, CreatedState>& Created() { return created_; }

  static fw::Component* Find(const std::string& name);
  static fw::TWinControl* Windowed(const std::string& name);
  static HWND Handle(const std::string& name) { return Windowed(name)->Handle(); }

  // The window's parts by their members, named as the window's table names them
  // (frm_main_controls.cpp), so that the tests name each as the program does.
  static std::string NameOf(const FrmMainPart::Control& member);
  static fw::Component* Find(const FrmMainPart::Control& member) { return Find(NameOf(member)); }
  static HWND Handle(const FrmMainPart::Control& member) { return Windowed(NameOf(member))->Handle(); }
  template <class T>
  static T* Get(T* FrmMainControls::*member) {
    return dynamic_cast<T*>(Find(member));
  }
  // The name of the component whose window has the keyboard focus ("" if none of ours).
  static std::string FocusedName();
  // Brings the main window to the front with the focus on the page selector.
  static void Activate();

 private:
  static std::map<std::string, CreatedState> created_;
};

}  // namespace gv::test
