// The main window: top bar with the page selector and the run, About and exit buttons, eight
// option pages, the status line and the pop-up menu. Read from the description "TFRMMAIN";
// its controls are bound by name once the description has been read (frm_main_controls.h).
#pragma once

#include <array>
#include <string>

#include "app/frm_main_controls.h"
#include "framework/win32/form.h"

namespace fw {
class TCheckBox;
class TControl;
class TPopupMenu;
}  // namespace fw

namespace gv {

class TfrmMain : public fw::TForm {
 public:
  FW_CLASS()

  explicit TfrmMain(fw::Component* owner);
  ~TfrmMain() override;

  // The page names in the selector's order; the notebook holds the same pages in another order.
  static const std::array<const char*, 8> kSelectorPages;

  // Published handlers. Each takes the sender and ignores it.
  // Start-up, show, size, hint line and closing.
  void FormCreate(fw::Component* sender);
  void FormShow(fw::Component* sender);
  void FormResize(fw::Component* sender);
  void FormClose(fw::Component* sender);
  void ShowHint(fw::Component* sender);
  void timerSplashTimer(fw::Component* sender);
  // Page selector and the pop-up menu.
  void ComboBox1Click(fw::Component* sender);
  void GeneralClick(fw::Component* sender);
  void Multiplayer1Click(fw::Component* sender);
  void Map1Click(fw::Component* sender);
  void Network1Click(fw::Component* sender);
  void Memory1Click(fw::Component* sender);
  void GLQuake1Click(fw::Component* sender);
  void WinQuake1Click(fw::Component* sender);
  void Extra1Click(fw::Component* sender);
  void About1Click(fw::Component* sender);
  void Exit1Click(fw::Component* sender);
  // Toolbar: About (2), run (3), exit (4); GLQuake page: resolution (5) and depth (6) menus.
  void Win95SpeedButton2Click(fw::Component* sender);
  void Win95SpeedButton3Click(fw::Component* sender);
  void Win95SpeedButton4Click(fw::Component* sender);
  void Win95SpeedButton5Click(fw::Component* sender);
  void Win95SpeedButton6Click(fw::Component* sender);
  // Option rules (frm_main_options.cpp).
  void CheckBox1Click(fw::Component* sender);
  void CheckBox2Click(fw::Component* sender);
  void CheckBox3Click(fw::Component* sender);
  void CheckBox4Click(fw::Component* sender);
  void CheckBox10Click(fw::Component* sender);
  void CheckBox14Click(fw::Component* sender);
  void CheckBox15Click(fw::Component* sender);
  void CheckBox16Click(fw::Component* sender);
  void CheckBox17Click(fw::Component* sender);
  void CheckBox18Click(fw::Component* sender);
  void CheckBox21Click(fw::Component* sender);
  void CheckBox23Click(fw::Component* sender);
  void CheckBox11Enter(fw::Component* sender);
  void CheckBox12Enter(fw::Component* sender);
  void CheckBox13Enter(fw::Component* sender);
  // Map lists and video-mode menus (frm_main_maps.cpp).
  void ComboBox2Change(fw::Component* sender);
  void ComboBox3Change(fw::Component* sender);
  void RadioButton14Click(fw::Component* sender);
  void RadioButton15Click(fw::Component* sender);
  void N400x3001Click(fw::Component* sender);
  void N512x3841Click(fw::Component* sender);
  void N640x4801Click(fw::Component* sender);
  void N800x6001Click(fw::Component* sender);
  void N1024x7681Click(fw::Component* sender);
  void N1152x8641Click(fw::Component* sender);
  void N1280x10241Click(fw::Component* sender);
  void N11Click(fw::Component* sender);
  void N241Click(fw::Component* sender);
  void N321Click(fw::Component* sender);

  // The option values as the controls hold them now: the run button's snapshot.
  gv::LaunchOptions TakeLaunchOptions() const;

  // Restores the window from its minimised start (the splash timer, or the splash losing the
  // activation). Once it is up, the settings that the restores had to leave out are reported,
  // in one box that the window owns.
  void BringUp();

  void Loaded() override;
  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  static constexpr int kWidth = 317, kHeight = 264;
  // Posted by BringUp: the box comes once the splash has gone.
  static constexpr UINT kReportSettingsMessage = WM_USER + 2;

  // Shows the named page and points the selector at it (the menu's page entries).
  void ShowPageAndSelect(const std::string& page);
  void ShowAboutBox();
  // The settings store's save and restore on AutoPS.
  void SaveSettings();
  void RestoreSettings();
  void ReportSkippedSettings();
  // Enabled states in line with restored values, run once by FormShow (frm_main_options.cpp).
  void ApplyRestoredStates();
  // Parts of the option rules (frm_main_options.cpp) and the map and menu handlers
  // (frm_main_maps.cpp).
  void SetResolutionGroupEnabled(bool enabled);
  void SetGLQuakeGroupEnabled(bool enabled);
  void SetWinQuakeModesEnabled(bool enabled);
  void ProtocolBoxEntered(fw::TCheckBox* box);
  void PopupBeside(fw::TPopupMenu* menu, fw::TControl* button);
  void SetResolution(const char* width, const char* height);

  FrmMainControls ui_;
  bool broughtUp_ = false;
  // The shown name of the chosen map while a map handler runs; loaded from lblMapName on show.
  std::string mapText_;
};

// The main window, while it exists.
extern TfrmMain* frmMain;

}  // namespace gv
