// Program entry: the classes the descriptions name, the splash, then the main window and the
// About box, and the message loop until the main window closes.
#include <windows.h>

#include <exception>

#include "app/About.h"
#include "app/Sdimain.h"
#include "app/SplashFm.h"
#include "controls/register_controls.h"
#include "framework/win32/application.h"
#include "framework/win32/error_box.h"
#include "framework/win32/framework_setup.h"
#include "store/aprstore.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  constexpr const char* kTitle = "OEM Gorvale FE";
  fw::TApplication* app = fw::Application();
  try {
    fw::SetUpFramework();
    RegisterControlClasses();
    RegisterStoreClasses();
    ShowSplash();
    app->SetTitle(kTitle);
    app->CreateForm<TfrmMain>();
    app->CreateForm<TAboutBox>();
    app->Run();
  } catch (const std::exception& e) {
    // Only start-up can get here: handlers report their own failures and carry on.
    fw::ShowErrorBox(nullptr, kTitle, e.what());
    return 1;
  }
  return 0;
}
