// The main window: top bar with the page selector and the run, About and exit buttons, eight
// option pages, the status line and the pop-up menu. Read from the description "TFRMMAIN";
// its controls are bound to fields by name once the description has been read.
#pragma once

#include <array>
#include <string>

#include "app/launch_options.h"
#include "framework/win32/form.h"

namespace fw {
class TCheckBox;
class TComboBox;
class TControl;
class TEdit;
class TLabel;
class TNotebook;
class TPanel;
class TPopupMenu;
class TRadioButton;
class TTimer;
}  // namespace fw
class TIntEdit;
class TWin95SpeedButton;

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
  // Option rules (Sdimain_options.cpp).
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
  // Map lists and video-mode menus (Sdimain_maps.cpp).
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

  void BindComponents();
  // Shows the named page and points the selector at it (the menu's page entries).
  void ShowPageAndSelect(const std::string& page);
  void ShowAboutBox();
  // The settings store's save and restore on AutoPS.
  void SaveSettings();
  void RestoreSettings();
  void ReportSkippedSettings();
  // Enabled states in line with restored values, run once by FormShow (Sdimain_options.cpp).
  void ApplyRestoredStates();
  // Parts of the option rules (Sdimain_options.cpp) and the map and menu handlers
  // (Sdimain_maps.cpp).
  void SetResolutionGroupEnabled(bool enabled);
  void SetGLQuakeGroupEnabled(bool enabled);
  void SetWinQuakeModesEnabled(bool enabled);
  void ProtocolBoxEntered(int n);
  void PopupBeside(fw::TPopupMenu* menu, fw::TControl* button);
  void SetResolution(const char* width, const char* height);

  fw::TCheckBox* CheckBox(int n) const { return checkBoxes_.at(n); }
  fw::TRadioButton* RadioButton(int n) const { return radioButtons_.at(n); }
  TIntEdit* IntEdit(int n) const { return intEdits_.at(n); }

  // Index n holds the component numbered n; index 0 stays empty.
  std::array<fw::TCheckBox*, 24> checkBoxes_{};
  std::array<fw::TRadioButton*, 16> radioButtons_{};
  std::array<TIntEdit*, 15> intEdits_{};
  fw::TEdit* edit1_ = nullptr;
  fw::TEdit* edit2_ = nullptr;
  fw::TEdit* editExtra_ = nullptr;
  fw::TEdit* editChosenMap_ = nullptr;
  fw::TLabel* lblMapName_ = nullptr;
  fw::TLabel* label1_ = nullptr;
  fw::TLabel* label2_ = nullptr;
  fw::TComboBox* comboBox1_ = nullptr;
  fw::TComboBox* comboBox2_ = nullptr;
  fw::TComboBox* comboBox3_ = nullptr;
  fw::TNotebook* notebook1_ = nullptr;
  fw::TPanel* statusBar_ = nullptr;
  TWin95SpeedButton* win95SpeedButton5_ = nullptr;
  TWin95SpeedButton* win95SpeedButton6_ = nullptr;
  fw::TPopupMenu* popupRes_ = nullptr;
  fw::TPopupMenu* popupBPP_ = nullptr;
  fw::TTimer* timerSplash_ = nullptr;

  bool broughtUp_ = false;
  // The shown name of the chosen map while a map handler runs; loaded from lblMapName on show.
  std::string mapText_;
};

// The main window, while it exists.
extern TfrmMain* frmMain;
