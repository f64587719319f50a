// The launcher's own work at a click on Run, from the click up to the shell call, and at a whole
// close of the main window: the real window from its description, with its settings in Zelt.ini
// of the Windows directory, as the program entry makes it. Under Wine:
//
//   wine settings_bench.exe [ROUNDS]
//
// prints, per case, the median time and its quartiles over the rounds. "changed" rounds change
// one option first, as a user does before Run, so that the save has something new to write;
// "unchanged" rounds repeat the last one. The shell call itself (which starts the command
// interpreter) is left out, and so is the end of the message loop that follows a close.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/about_box.h"
#include "app/frm_main.h"
#include "app/launch.h"
#include "controls/register_controls.h"
#include "framework/stdctrls/check_box.h"
#include "framework/stdctrls/register_std_controls.h"
#include "framework/win32/application.h"
#include "framework/win32/framework_setup.h"
#include "store/auto_properties_store.h"

namespace {

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void Print(const char* what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  const size_t n = ms.size();
  std::printf("%-28s median %7.3f ms   quartiles %7.3f .. %7.3f ms   (%zu rounds)\n", what, ms[n / 2],
              ms[n / 4], ms[(3 * n) / 4], n);
}

// Runs the messages that are waiting, dropping the end of the loop that a close of the main
// window asks for.
void DrainMessages() {
  for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) {
    if (msg.message == WM_QUIT) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(5, std::atoi(argv[1])) : 41;
  fw::TApplication* app = fw::Application();
  app->SetWindowClassName("GorvaleBenchWindow");
  fw::SetUpFramework();
  fw::RegisterStdControlClasses();
  gv::RegisterControlClasses();
  gv::RegisterStoreClasses();
  app->SetTitle("OEM Gorvale FE");
  app->CreateForm<gv::TfrmMain>();
  app->CreateForm<gv::TAboutBox>();
  gv::TfrmMain* form = gv::frmMain;
  form->SetWindowState(fw::wsNormal);
  form->Show();
  DrainMessages();
  auto* option = dynamic_cast<fw::TCheckBox*>(form->FindComponent("CheckBox7"));
  auto* store = dynamic_cast<gv::TAutoPropertiesStore*>(form->FindComponent("AutoPS"));
  if (!option || !store) return 1;

  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string dir = temp;

  // A click on Run: the options read from the controls, the batch file, the save; the shell call
  // ends the measurement.
  auto run = [&] {
    double end = 0;
    const double start = Now();
    gv::LaunchSteps steps;
    steps.save = [&] { store->Save(); };
    steps.close = [] {};
    steps.owner = form->Handle();
    steps.shellOpen = [&](HWND, const std::string&, const std::string&, const std::string&, int) {
      end = Now();
    };
    gv::LaunchIn(dir, form->TakeLaunchOptions(), steps);
    return end - start;
  };
  // A whole close: the close query (the store's save), the close handler (another save) and the
  // request to end the loop. The window stays, so that the next round can close it again.
  auto close = [&] {
    const double start = Now();
    form->Close();
    const double end = Now();
    DrainMessages();
    return end - start;
  };

  auto measure = [&](const char* what, const std::function<double()>& step, bool change) {
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
      if (change) option->SetChecked(!option->Checked());
      ms.push_back(step());
    }
    Print(what, ms);
  };
  measure("run, an option changed", run, true);
  measure("run, nothing changed", run, false);
  measure("close, an option changed", close, true);
  measure("close, nothing changed", close, false);
  // Their parts: one save, and the options read for the batch line.
  measure(
      "save, an option changed",
      [&] {
        const double start = Now();
        store->Save();
        return Now() - start;
      },
      true);
  measure(
      "save, nothing changed",
      [&] {
        const double start = Now();
        store->Save();
        return Now() - start;
      },
      false);
  DeleteFileA((dir + "Gorvale.bat").c_str());
  return 0;
}
