// The first click after a cold start, made straight from outside onto a box of the restored
// window: once when the user lets the splash go by itself, once when the user activates another
// window while the splash is up. Either way the window takes the click at once, as a bare
// program with one box does.
#include "tests/e2e/launcher_process.h"
#include "tests/e2e/window_driver.h"
#include "tests/support/launcher_windows.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/settings_file.h"

namespace gv::e2e {
namespace {

class FirstClick : public ::testing::Test {
 protected:
  void SetUp() override {
    test::ForgetSettings();
    test::MoveMouse(POINT{1015, 760});  // beside the window while the launcher starts
    launcher_ = std::make_unique<Launcher>(dir_);
  }
  void TearDown() override {
    launcher_.reset();
    test::ForgetSettings();
  }

  // Clicks "No joystick", found by the place the description gives it on the notebook, and
  // expects it checked within a second.
  void ExpectClickCounts(HWND main) {
    const Place& box = outline_.Of("CheckBox7");
    const Place& notebook = outline_.Of("Notebook1");
    test::ClickAt(
        test::ScreenPoint(main, notebook.left + box.left + 6, notebook.top + box.top + box.height / 2));
    WindowDriver ui(outline_, main);
    EXPECT_TRUE(test::Await([&] { return ui.Handle("CheckBox7") && ui.Checked("CheckBox7"); }, 1000))
        << ui.InputState();
  }

  const FormOutline outline_ = FormOutline::FromFile(test::WindowsPath(GORVALE_MAIN_FORM));
  QuakeDir dir_;
  std::unique_ptr<Launcher> launcher_;
};

TEST_F(FirstClick, CountsOnTheWindowTheTimerRestored) {
  HWND main = nullptr;
  ASSERT_TRUE(test::Await(
      [&] {
        const test::LauncherWindows w = test::FindLauncherWindows(launcher_->ProcessId());
        main = w.main;
        return !w.splash && main && !::IsIconic(main) && ::GetForegroundWindow() == main;
      },
      15000))
      << "the main window did not come back and to the front";
  ExpectClickCounts(main);
}

TEST_F(FirstClick, CountsAfterAnotherWindowSentTheSplashAway) {
  ASSERT_TRUE(launcher_->AwaitRestored(15000)) << "the splash stayed or the main window was not restored";
  ExpectClickCounts(launcher_->Main());
}

}  // namespace
}  // namespace gv::e2e
