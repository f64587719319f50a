// The first click after the start, in a Wine prefix as it comes: the windows managed, though on
// the virtual display no window manager runs (the scenarios turn that off for the launcher, as
// Wine then waits two seconds for the manager whenever a window that was active goes). The user
// lets the splash go by itself and, once the window is back and in front, clicks a box on it
// straight from outside.
#include "tests/e2e/launcher_process.h"
#include "tests/e2e/window_driver.h"
#include "tests/support/launcher_windows.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/settings_file.h"

namespace gv::e2e {
namespace {

TEST(FirstClick, CountsAtOnceOnTheRestoredWindow) {
  const FormOutline outline = FormOutline::FromFile(test::WindowsPath(GORVALE_MAIN_FORM));
  test::ForgetSettings();
  QuakeDir dir;
  test::MoveMouse(POINT{1015, 760});  // beside the window while the launcher starts
  Launcher launcher(dir);
  HWND main = nullptr;
  ASSERT_TRUE(test::Await(
      [&] {
        const test::LauncherWindows w = test::FindLauncherWindows(launcher.ProcessId());
        main = w.main;
        return !w.splash && main && !::IsIconic(main) && ::GetForegroundWindow() == main;
      },
      15000))
      << "the main window did not come back and to the front";
  // "No joystick", found by the place the description gives it on the notebook.
  const Place& box = outline.Of("CheckBox7");
  const Place& notebook = outline.Of("Notebook1");
  test::ClickAt(
      test::ScreenPoint(main, notebook.left + box.left + 6, notebook.top + box.top + box.height / 2));
  // A window that is idle takes the click at once, as a bare program with one box does.
  WindowDriver ui(outline, main);
  EXPECT_TRUE(test::Await([&] { return ui.Handle("CheckBox7") && ui.Checked("CheckBox7"); }, 1000))
      << ui.InputState();
  test::ForgetSettings();
}

}  // namespace
}  // namespace gv::e2e
