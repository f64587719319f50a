// Program entry: a launcher already running in the session is brought to the front instead;
// otherwise the classes the descriptions name, the splash, then the main window and the About
// box, and the message loop until the main window closes.
#include <windows.h>

#include <exception>

#include "app/about_box.h"
#include "app/frm_main.h"
#include "app/single_instance.h"
#include "app/splash.h"
#include "controls/register_controls.h"
#include "framework/stdctrls/register_std_controls.h"
#include "framework/win32/application.h"
#include "framework/win32/error_box.h"
#include "framework/win32/framework_setup.h"
#include "store/auto_properties_store.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  constexpr const char* kTitle = "OEM Gorvale FE";
  constexpr const char* kWindowClass = "GorvaleWindow";
  const gv::SingleInstance instance;
  if (!instance.First()) {
    gv::BringUpRunningLauncher(kWindowClass, kTitle);
    return 0;
  }
  fw::TApplication* app = fw::Application();
  try {
    app->SetWindowClassName(kWindowClass);
    fw::SetUpFramework();
    fw::RegisterStdControlClasses();
    gv::RegisterControlClasses();
    gv::RegisterStoreClasses();
    gv::ShowSplash();
    app->SetTitle(kTitle);
    app->CreateForm<gv::TfrmMain>();
    app->CreateForm<gv::TAboutBox>();
    app->Run();
  } catch (const std::exception& e) {
    // Only start-up can get here: handlers report their own failures and carry on.
    fw::ShowErrorBox(nullptr, kTitle, e.what());
    return 1;
  }
  return 0;
}
