#include "app/frm_main.h"

#include <algorithm>
#include <exception>

#include "app/about_box.h"
#include "app/launch.h"
#include "app/single_instance.h"
#include "controls/speed_button.h"
#include "framework/stdctrls/combo_box.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/notebook.h"
#include "framework/stdctrls/panel.h"
#include "framework/win32/application.h"
#include "framework/win32/error_box.h"
#include "framework/win32/timer.h"
#include "store/auto_properties_store.h"

namespace gv {

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
  static const fw::ClassInfo info = fw::MakeClass<TfrmMain, fw::TForm>("TfrmMain", kMethods);
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
  ui_.Bind(*this);
  SetDefaultControl(ui_.run);
  fw::TForm::Loaded();
}

// --- Start-up, show, size and close ---

void TfrmMain::FormCreate(fw::Component*) {
  fw::Application()->onHint = fw::Method{"ShowHint", [this](fw::Component* sender) { ShowHint(sender); }};
  ui_.pageSelector->SetItemIndex(0);
  ui_.baseMaps->SetItemIndex(0);
  ui_.addOnMaps->SetItemIndex(0);
  ui_.pages->SetActivePage("General");
}

void TfrmMain::FormShow(fw::Component*) {
  RestoreSettings();
  mapText_ = ui_.mapFile->Caption();
  ApplyRestoredStates();
  ui_.splashTimer->SetEnabled(true);
}

void TfrmMain::timerSplashTimer(fw::Component*) {
  ui_.splashTimer->SetEnabled(false);
  // Restored, this window takes the activation from the splash, which then goes by itself. The
  // program still owns the foreground as it restores, so the window comes up in front.
  BringUp();
}

void TfrmMain::BringUp() {
  SetWindowState(fw::wsNormal);
  if (broughtUp_) return;
  broughtUp_ = true;
  PostMessageA(Handle(), kReportSettingsMessage, 0, 0);
}

bool TfrmMain::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == kReportSettingsMessage) {
    ReportSkippedSettings();
    return true;
  }
  // A second start: the window comes to the front, unless the splash is still up, whose end
  // brings it up anyway.
  if (msg == BringUpMessage()) {
    if (broughtUp_) {
      SetWindowState(fw::wsNormal);
      SetForegroundWindow(Handle());
    }
    result = 0;
    return true;
  }
  return fw::TForm::WndProc(msg, wp, lp, result);
}

void TfrmMain::FormResize(fw::Component*) {
  if (Width() != kWidth || Height() != kHeight) SetBounds(Left(), Top(), kWidth, kHeight);
}

void TfrmMain::ShowHint(fw::Component*) { ui_.statusLine->SetCaption(fw::Application()->Hint()); }

// The store's close query, which runs just before, has saved the same values or reported why it
// could not; otherwise the save is made here. A save that fails here is reported and the window
// closes all the same: every way out passes this handler, so a settings file that cannot be
// written would otherwise keep the program from ever ending.
void TfrmMain::FormClose(fw::Component*) {
  if (ui_.settings->SavedInCloseQuery()) return;
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
void TfrmMain::SaveSettings() { ui_.settings->Save(); }

// A restore that fails is reported and the window goes on with what was applied: a damaged
// settings file never keeps the window from showing.
void TfrmMain::RestoreSettings() {
  try {
    ui_.settings->Restore();
  } catch (const std::exception& e) {
    fw::Application()->HandleException(e);
  }
}

// Entries of the settings file that the restores left out: one box, whose owner is this
// window, however many restores found them.
void TfrmMain::ReportSkippedSettings() {
  const std::string report = ui_.settings->TakeRestoreReport();
  if (!report.empty()) fw::ShowErrorBox(Handle(), fw::Application()->Title(), report);
}

// --- Pages ---

void TfrmMain::ComboBox1Click(fw::Component*) {
  const int index = ui_.pageSelector->ItemIndex();
  if (index >= 0 && index < static_cast<int>(kSelectorPages.size()))
    ui_.pages->SetActivePage(kSelectorPages[index]);
}

void TfrmMain::ShowPageAndSelect(const std::string& page) {
  ui_.pages->SetActivePage(page);
  const auto found = std::find_if(kSelectorPages.begin(), kSelectorPages.end(),
                                  [&page](const char* name) { return page == name; });
  // Setting the index from here raises no change, so the page is not set a second time.
  if (found != kSelectorPages.end())
    ui_.pageSelector->SetItemIndex(static_cast<int>(found - kSelectorPages.begin()));
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
  steps.save = [this] { SaveSettings(); };
  steps.close = [this] { Close(); };
  steps.owner = Handle();
  gv::Launch(TakeLaunchOptions(), steps);
}

gv::LaunchOptions TfrmMain::TakeLaunchOptions() const {
  return gv::ReadLaunchOptions([this](const FrmMainPart& part) { return ui_.Checked(part); },
                               [this](const FrmMainPart& part) { return ui_.Text(part); });
}

}  // namespace gv
