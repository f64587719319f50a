// One scenario of the launcher in use: a fresh Quake directory and no settings file; the user
// starts Gorvale.exe, works its window, and leaves it by one of its ways out; then starts it
// again to find the values kept.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "tests/e2e/kept_values.h"
#include "tests/e2e/launcher_process.h"
#include "tests/e2e/window_driver.h"
#include "tests/support/form_outline.h"
#include "tests/support/settings_file.h"

namespace gv::e2e {

class Scenario : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override;

  const FormOutline& Outline() const { return *outline_; }
  KeptValues DesignValues() const { return KeptValues(*outline_); }
  // A user's settings: some changed from the design values.
  KeptValues Users() const {
    KeptValues kept = DesignValues();
    kept.Check("CheckBox7").Check("CheckBox9").Text("IntEdit1", "3").Text("Edit1", "ranger");
    return kept;
  }
  const QuakeDir& Dir() const { return *dir_; }
  // Puts the launcher into another Quake directory, below the scratch folder.
  void UseQuakeDir(const std::string& nested) { dir_ = std::make_unique<QuakeDir>(nested); }

  // Starts the launcher and waits until its window is restored and in front.
  WindowDriver& Start();
  // Starts the launcher on a settings file that it cannot restore whole: waits for the error
  // box that comes once the window is restored, answers it and checks that no second box
  // follows, then waits until the window is in front. text receives the box's message.
  WindowDriver& StartWithReport(std::string& text);
  WindowDriver& Ui() { return *ui_; }
  Launcher& Program() { return *launcher_; }

  // Clicks the run button, waits for the program to end and for the game's record; checks the
  // batch file (the line, CR LF, nothing else) and the command line the game received.
  void RunExpecting(const std::string& line, const std::string& gameCommandLine);
  // The same with the run started another way (Enter, a screen reader's default action).
  void RunExpecting(const std::function<::testing::AssertionResult()>& run, const std::string& line,
                    const std::string& gameCommandLine);
  // Waits for the framework's error box over the launcher; its message, or "" when none came.
  std::string AwaitErrorBox();
  // Closes the window and checks that the program ended without writing a batch file.
  void ExpectClosedWithoutLaunch();
  // The settings file holds exactly what a save of the values writes.
  void ExpectSettings(const KeptValues& values);
  // Starts again and checks every kept control against the values, the page shown at start and
  // the enabled states that the after-restore pass sets. The window stays open.
  void RestartExpecting(const KeptValues& values);
  // The same checks on the window as it stands.
  void ExpectShown(const KeptValues& values);
  // Ends a window left open by the exit button.
  void CloseByExitButton();

  // The command line that the stand-in behind wq.bat receives for a batch line "wq.bat ...".
  static std::string ThroughWqBat(const std::string& line);

 private:
  void ExpectAfterRestorePass();
  WindowDriver& Driver();

  static FormOutline* outline_;
  std::unique_ptr<QuakeDir> dir_;
  std::unique_ptr<Launcher> launcher_;
  std::unique_ptr<WindowDriver> ui_;
};

}  // namespace gv::e2e
