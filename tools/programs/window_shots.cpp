// Pictures of the launcher's windows for looking at: the splash, each of the eight pages of the
// main window (chosen through the pop-up menu's handlers, so the selector follows) and the
// About box, each copied from the screen into a BMP file. Run by window_shots.sh.
// Usage: window_shots.exe OUTPUT_DIR
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/about_box.h"
#include "app/frm_main.h"
#include "app/splash.h"
#include "controls/register_controls.h"
#include "framework/stdctrls/register_std_controls.h"
#include "framework/win32/application.h"
#include "framework/win32/framework_setup.h"
#include "store/auto_properties_store.h"
#include "tests/support/message_loop.h"
#include "tests/support/settings_file.h"
#include "tests/support/window_picture.h"

namespace {

// Saves the picture and says so.
bool SavePicture(HWND hwnd, const std::string& path) {
  const bool ok = gv::test::SaveWindowPicture(hwnd, path);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", path.c_str());
  return ok;
}

}  // namespace

using namespace gv;  // a tool of the launcher's own

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? std::string(argv[1]) + "\\" : "";
  gv::test::ForgetSettings();
  fw::SetUpFramework();
  fw::RegisterStdControlClasses();
  RegisterControlClasses();
  RegisterStoreClasses();
  int failures = 0;

  ShowSplash();
  gv::test::PumpFor(500);
  if (!Splash || !SavePicture(Splash->Handle(), dir + "splash.bmp")) ++failures;

  fw::Application()->SetTitle("OEM Gorvale FE");
  fw::Application()->CreateForm<TfrmMain>();
  fw::Application()->CreateForm<TAboutBox>();
  frmMain->SetWindowState(fw::wsNormal);
  frmMain->Show();
  gv::test::PumpFor(500);  // the splash goes as the main window becomes active
  using Entry = void (TfrmMain::*)(fw::Component*);
  const std::pair<const char*, Entry> kPages[] = {
      {"general", &TfrmMain::GeneralClick},  {"multiplayer", &TfrmMain::Multiplayer1Click},
      {"network", &TfrmMain::Network1Click}, {"memory", &TfrmMain::Memory1Click},
      {"glquake", &TfrmMain::GLQuake1Click}, {"winquake", &TfrmMain::WinQuake1Click},
      {"extra", &TfrmMain::Extra1Click},     {"map", &TfrmMain::Map1Click},
  };
  for (const auto& [name, entry] : kPages) {
    (frmMain->*entry)(nullptr);
    gv::test::PumpFor(300);
    if (!SavePicture(frmMain->Handle(), dir + "page_" + name + ".bmp")) ++failures;
  }

  AboutBox->Show();
  gv::test::PumpFor(500);
  if (!SavePicture(AboutBox->Handle(), dir + "about.bmp")) ++failures;
  AboutBox->Hide();
  gv::test::ForgetSettings();
  return failures;
}
