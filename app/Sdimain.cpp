#include "app/Sdimain.h"

#include <algorithm>
#include <exception>
#include <iterator>

#include "app/About.h"
#include "app/SplashFm.h"
#include "app/find_component.h"
#include "app/launch.h"
#include "controls/IntEdit.h"
#include "controls/W95Speed.h"
#include "framework/win32/application.h"
#include "framework/win32/check_box.h"
#include "framework/win32/combo_box.h"
#include "framework/win32/edit.h"
#include "framework/win32/label.h"
#include "framework/win32/notebook.h"
#include "framework/win32/panel.h"
#include "framework/win32/popup_menu.h"
#include "framework/win32/radio_button.h"
#include "framework/win32/timer.h"
#include "store/aprstore.h"

TfrmMain* frmMain = nullptr;

const std::array<const char*, 8> TfrmMain::kSelectorPages = {"General", "Multiplayer", "Map",      "Network",
                                                             "Memory",  "GLQuake",     "WinQuake", "Extra"};

const fw::ClassInfo& TfrmMain::StaticClass() {
  static const fw::MethodInfo kMethods[] = {
      FW_METHOD(TfrmMain, FormCreate),
      FW_METHOD(TfrmMain, FormShow),
      FW_METHOD(TfrmMain, FormResize),
      FW_METHOD(TfrmMain, FormClose),
      FW_METHOD(TfrmMain, ShowHint),
      FW_METHOD(TfrmMain, timerSplashTimer),
      FW_METHOD(TfrmMain, ComboBox1Click),
      FW_METHOD(TfrmMain, GeneralClick),
      FW_METHOD(TfrmMain, Multiplayer1Click),
      FW_METHOD(TfrmMain, Map1Click),
      FW_METHOD(TfrmMain, Network1Click),
      FW_METHOD(TfrmMain, Memory1Click),
      FW_METHOD(TfrmMain, GLQuake1Click),
      FW_METHOD(TfrmMain, WinQuake1Click),
      FW_METHOD(TfrmMain, Extra1Click),
      FW_METHOD(TfrmMain, About1Click),
      FW_METHOD(TfrmMain, Exit1Click),
      FW_METHOD(TfrmMain, Win95SpeedButton2Click),
      FW_METHOD(TfrmMain, Win95SpeedButton3Click),
      FW_METHOD(TfrmMain, Win95SpeedButton4Click),
      FW_METHOD(TfrmMain, Win95SpeedButton5Click),
      FW_METHOD(TfrmMain, Win95SpeedButton6Click),
      FW_METHOD(TfrmMain, CheckBox1Click),
      FW_METHOD(TfrmMain, CheckBox2Click),
      FW_METHOD(TfrmMain, CheckBox3Click),
      FW_METHOD(TfrmMain, CheckBox4Click),
      FW_METHOD(TfrmMain, CheckBox10Click),
      FW_METHOD(TfrmMain, CheckBox14Click),
      FW_METHOD(TfrmMain, CheckBox15Click),
      FW_METHOD(TfrmMain, CheckBox16Click),
      FW_METHOD(TfrmMain, CheckBox17Click),
      FW_METHOD(TfrmMain, CheckBox18Click),
      FW_METHOD(TfrmMain, CheckBox21Click),
      FW_METHOD(TfrmMain, CheckBox23Click),
      FW_METHOD(TfrmMain, CheckBox11Enter),
      FW_METHOD(TfrmMain, CheckBox12Enter),
      FW_METHOD(TfrmMain, CheckBox13Enter),
      FW_METHOD(TfrmMain, ComboBox2Change),
      FW_METHOD(TfrmMain, ComboBox3Change),
      FW_METHOD(TfrmMain, RadioButton14Click),
      FW_METHOD(TfrmMain, RadioButton15Click),
      FW_METHOD(TfrmMain, N400x3001Click),
      FW_METHOD(TfrmMain, N512x3841Click),
      FW_METHOD(TfrmMain, N640x4801Click),
      FW_METHOD(TfrmMain, N800x6001Click),
      FW_METHOD(TfrmMain, N1024x7681Click),
      FW_METHOD(TfrmMain, N1152x8641Click),
      FW_METHOD(TfrmMain, N1280x10241Click),
      FW_METHOD(TfrmMain, N11Click),
      FW_METHOD(TfrmMain, N241Click),
      FW_METHOD(TfrmMain, N321Click),
  };
  // No published properties of its own, only handlers.
  static const fw::ClassInfo info =
      fw::detail::BuildClass<TfrmMain, fw::TForm>("TfrmMain", nullptr, 0, kMethods, std::size(kMethods));
  return info;
}

TfrmMain::TfrmMain(fw::Component* owner) : fw::TForm(owner) { frmMain = this; }

TfrmMain::~TfrmMain() {
  // The hint handler points here; the form's own teardown (store hooks, components) follows.
  fw::Application()->onHint = fw::Method{};
  if (frmMain == this) frmMain = nullptr;
}

void TfrmMain::Loaded() {
  // The window itself is told first, before any component: the store's restore that follows
  // raises handlers, which need the fields.
  BindComponents();
  fw::TForm::Loaded();
}

void TfrmMain::BindComponents() {
  using gv::FindComponentAs;
  for (size_t i = 1; i < checkBoxes_.size(); ++i)
    checkBoxes_[i] = FindComponentAs<fw::TCheckBox>(*this, "CheckBox" + std::to_string(i));
  for (size_t i = 1; i < radioButtons_.size(); ++i)
    radioButtons_[i] = FindComponentAs<fw::TRadioButton>(*this, "RadioButton" + std::to_string(i));
  for (size_t i = 1; i < intEdits_.size(); ++i)
    intEdits_[i] = FindComponentAs<TIntEdit>(*this, "IntEdit" + std::to_string(i));
  edit1_ = FindComponentAs<fw::TEdit>(*this, "Edit1");
  edit2_ = FindComponentAs<fw::TEdit>(*this, "Edit2");
  editExtra_ = FindComponentAs<fw::TEdit>(*this, "editExtra");
  editChosenMap_ = FindComponentAs<fw::TEdit>(*this, "editChosenMap");
  lblMapName_ = FindComponentAs<fw::TLabel>(*this, "lblMapName");
  label1_ = FindComponentAs<fw::TLabel>(*this, "Label1");
  label2_ = FindComponentAs<fw::TLabel>(*this, "Label2");
  comboBox1_ = FindComponentAs<fw::TComboBox>(*this, "ComboBox1");
  comboBox2_ = FindComponentAs<fw::TComboBox>(*this, "ComboBox2");
  comboBox3_ = FindComponentAs<fw::TComboBox>(*this, "ComboBox3");
  notebook1_ = FindComponentAs<fw::TNotebook>(*this, "Notebook1");
  statusBar_ = FindComponentAs<fw::TPanel>(*this, "StatusBar");
  win95SpeedButton5_ = FindComponentAs<TWin95SpeedButton>(*this, "Win95SpeedButton5");
  win95SpeedButton6_ = FindComponentAs<TWin95SpeedButton>(*this, "Win95SpeedButton6");
  popupRes_ = FindComponentAs<fw::TPopupMenu>(*this, "popupRes");
  popupBPP_ = FindComponentAs<fw::TPopupMenu>(*this, "popupBPP");
  timerSplash_ = FindComponentAs<fw::TTimer>(*this, "timerSplash");
}

// --- Start-up, show, size and close ---

void TfrmMain::FormCreate(fw::Component*) {
  fw::Application()->onHint = fw::Method{"ShowHint", [this](fw::Component* sender) { ShowHint(sender); }};
  comboBox1_->SetItemIndex(0);
  comboBox2_->SetItemIndex(0);
  comboBox3_->SetItemIndex(0);
  notebook1_->SetActivePage("General");
}

void TfrmMain::FormShow(fw::Component*) {
  RestoreSettings();
  mapText_ = lblMapName_->Caption();
  ApplyRestoredStates();
  timerSplash_->SetEnabled(true);
}

void TfrmMain::timerSplashTimer(fw::Component*) {
  timerSplash_->SetEnabled(false);
  // The splash goes first, and its deactivation brings this window back. The other way round,
  // Wine without a window manager keeps the splash's picture on the screen over this window for
  // two seconds while it waits to take it down, and the user's first click there is lost.
  if (Splash) Splash->Hide();
  SetWindowState(fw::wsNormal);
}

void TfrmMain::FormResize(fw::Component*) {
  if (Width() != kWidth || Height() != kHeight) SetBounds(Left(), Top(), kWidth, kHeight);
}

void TfrmMain::ShowHint(fw::Component*) { statusBar_->SetCaption(fw::Application()->Hint()); }

// A save that fails here is reported and the window closes all the same: every way out passes
// this handler, so a settings file that cannot be written would otherwise keep the program from
// ever ending.
void TfrmMain::FormClose(fw::Component*) {
  try {
    SaveSettings();
  } catch (const std::exception& e) {
    fw::Application()->HandleException(e);
  }
}

void TfrmMain::Exit1Click(fw::Component*) { Close(); }

void TfrmMain::Win95SpeedButton4Click(fw::Component*) {
  SaveSettings();
  Close();
}

void TfrmMain::About1Click(fw::Component*) { ShowAboutBox(); }

void TfrmMain::Win95SpeedButton2Click(fw::Component*) { ShowAboutBox(); }

void TfrmMain::ShowAboutBox() {
  if (AboutBox) AboutBox->ShowModal();
}

// --- Settings ---

// Saves through the settings store; a failure leaves the handler and stops what it was doing.
void TfrmMain::SaveSettings() { gv::FindComponentAs<TAutoPropertiesStore>(*this, "AutoPS")->Save(); }

// A restore that fails is reported and the window goes on with what was applied: a damaged
// settings file never keeps the window from showing.
void TfrmMain::RestoreSettings() {
  try {
    gv::FindComponentAs<TAutoPropertiesStore>(*this, "AutoPS")->Restore();
  } catch (const std::exception& e) {
    fw::Application()->HandleException(e);
  }
}

// --- Pages ---

void TfrmMain::ComboBox1Click(fw::Component*) {
  const int index = comboBox1_->ItemIndex();
  if (index >= 0 && index < static_cast<int>(kSelectorPages.size()))
    notebook1_->SetActivePage(kSelectorPages[index]);
}

void TfrmMain::ShowPageAndSelect(const std::string& page) {
  notebook1_->SetActivePage(page);
  const auto found = std::find_if(kSelectorPages.begin(), kSelectorPages.end(),
                                  [&page](const char* name) { return page == name; });
  // Setting the index from here raises no change, so the page is not set a second time.
  if (found != kSelectorPages.end())
    comboBox1_->SetItemIndex(static_cast<int>(found - kSelectorPages.begin()));
}

void TfrmMain::GeneralClick(fw::Component*) { ShowPageAndSelect("General"); }
void TfrmMain::Multiplayer1Click(fw::Component*) { ShowPageAndSelect("Multiplayer"); }
void TfrmMain::Map1Click(fw::Component*) { ShowPageAndSelect("Map"); }
void TfrmMain::Network1Click(fw::Component*) { ShowPageAndSelect("Network"); }
void TfrmMain::Memory1Click(fw::Component*) { ShowPageAndSelect("Memory"); }
void TfrmMain::GLQuake1Click(fw::Component*) { ShowPageAndSelect("GLQuake"); }
void TfrmMain::WinQuake1Click(fw::Component*) { ShowPageAndSelect("WinQuake"); }
void TfrmMain::Extra1Click(fw::Component*) { ShowPageAndSelect("Extra"); }

// --- Launch ---

void TfrmMain::Win95SpeedButton3Click(fw::Component*) {
  gv::LaunchSteps steps;
  steps.save_ = [this] { SaveSettings(); };
  steps.close_ = [this] { Close(); };
  steps.owner_ = Handle();
  gv::Launch(TakeLaunchOptions(), steps);
}

gv::LaunchOptions TfrmMain::TakeLaunchOptions() const {
  gv::LaunchOptions o;
  auto checked = [this](int n) { return CheckBox(n)->Checked(); };
  auto selected = [this](int n) { return RadioButton(n)->Checked(); };
  auto text = [this](int n) { return IntEdit(n)->Text(); };
  o.using_winquake_ = checked(16);
  o.mode_max_ = selected(8);
  o.mode_fast_ = selected(9);
  o.mode_fastvid_ = selected(10);
  o.mode_fastsnd_ = selected(11);
  o.mode_safe_ = selected(12);
  o.mode_verysafe_ = selected(13);
  o.skill_ = text(1);
  o.player_name_ = edit1_->Text();
  o.shirt_ = text(2);
  o.trousers_ = text(3);
  o.no_cd_audio_ = checked(6);
  o.no_joystick_ = checked(7);
  o.no_sound_ = checked(8);
  o.no_vesa_ = checked(9);
  o.deathmatch_ = selected(1);
  o.cooperative_ = selected(2);
  o.game_mode_value_ = text(4);
  o.listen_server_ = selected(3);
  o.dedicated_server_ = selected(4);
  o.max_players_on_ = checked(4);
  o.max_players_ = text(8);
  o.teamplay_on_ = checked(1);
  o.teamplay_ = text(5);
  o.timelimit_on_ = checked(2);
  o.timelimit_ = text(6);
  o.fraglimit_on_ = checked(3);
  o.fraglimit_ = text(7);
  o.no_exit_ = checked(5);
  o.no_lan_ = checked(10);
  o.no_udp_ = checked(11);
  o.no_ipx_ = checked(12);
  o.no_serial_ = checked(13);
  o.port_on_ = checked(14);
  o.port_ = text(9);
  o.hostname_on_ = checked(15);
  o.hostname_ = edit2_->Text();
  o.winmem_on_ = checked(17);
  o.winmem_ = text(10);
  o.lock_memory_ = selected(6);
  o.lock_unlock_memory_ = selected(7);
  o.using_glquake_ = checked(21);
  o.resolution_on_ = checked(18);
  o.width_ = text(11);
  o.height_ = text(12);
  o.bpp_ = text(13);
  o.no_polyblend_ = checked(19);
  o.no_flashblend_ = checked(20);
  o.shadows_ = checked(22);
  o.extra_ = editExtra_->Text();
  o.map_ = lblMapName_->Caption();
  return o;
}
