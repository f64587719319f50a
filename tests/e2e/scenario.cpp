#include "tests/e2e/scenario.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "tests/support/message_box.h"

namespace gv::e2e {
namespace {

// "CheckBox1" of "CheckBox1.Checked".
std::string NameOf(const std::string& key) { return key.substr(0, key.find('.')); }

}  // namespace

FormOutline* Scenario::outline_ = nullptr;

void Scenario::SetUpTestSuite() {
  outline_ = new FormOutline(FormOutline::FromFile(test::WindowsPath(GORVALE_MAIN_FORM)));
}

void Scenario::TearDownTestSuite() {
  delete outline_;
  outline_ = nullptr;
}

void Scenario::SetUp() {
  test::ForgetSettings();
  dir_ = std::make_unique<QuakeDir>();
}

void Scenario::TearDown() {
  if (HasFailure() && ui_) std::printf("[ info     ] at the failure:%s\n", ui_->InputState().c_str());
  ui_.reset();
  launcher_.reset();
  dir_.reset();
  test::ForgetSettings();
}

WindowDriver& Scenario::Start() {
  ui_.reset();
  launcher_ = std::make_unique<Launcher>(*dir_);
  const bool ready = launcher_->AwaitReady(15000);
  EXPECT_TRUE(ready) << "the main window did not come up restored and in front";
  return Driver();
}

WindowDriver& Scenario::StartWithReport(std::string& text) {
  ui_.reset();
  launcher_ = std::make_unique<Launcher>(*dir_);
  EXPECT_TRUE(launcher_->AwaitRestored(15000)) << "the main window did not come up restored";
  HWND box = nullptr;
  test::Await([&] { return (box = test::FindBoxOfProcess(launcher_->ProcessId(), "OEM Gorvale FE")); }, 5000);
  EXPECT_NE(box, nullptr) << "no error box";
  if (box) {
    const test::BoxSeen seen = test::ReadBox(box);
    text = seen.text;
    EXPECT_EQ(seen.owner, launcher_->Main()) << "the box belongs to the main window";
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    // Gone, and no second box within a second and a half.
    test::Await([&] { return !::IsWindow(box); }, 3000);
    EXPECT_FALSE(test::Await(
        [&] { return test::FindBoxOfProcess(launcher_->ProcessId(), "OEM Gorvale FE") != nullptr; }, 1500))
        << "a second box";
  }
  EXPECT_TRUE(launcher_->AwaitFront(15000)) << "the main window did not come to the front";
  return Driver();
}

WindowDriver& Scenario::Driver() {
  std::printf("[ info     ] window ready %d ms after the start\n", launcher_->ReadyAfter());
  ui_ = std::make_unique<WindowDriver>(*outline_, launcher_->Main());
  return *ui_;
}

void Scenario::RunExpecting(const std::string& line, const std::string& gameCommandLine) {
  RunExpecting([this] { return ui_->Click("Win95SpeedButton3"); }, line, gameCommandLine);
}

void Scenario::RunExpecting(const std::function<::testing::AssertionResult()>& run, const std::string& line,
                            const std::string& gameCommandLine) {
  dir_->ForgetGameRecord();
  ASSERT_TRUE(run()) << "the run button";
  DWORD code = 1;
  ASSERT_TRUE(launcher_->AwaitExit(10000, &code)) << "the run button did not close the program";
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(dir_->BatchFile(), line + "\r\n") << "Gorvale.bat";
  EXPECT_EQ(dir_->AwaitGameRecord(15000), gameCommandLine) << "the command line the game received";
  EXPECT_TRUE(launcher_->AwaitItsProcesses(15000)) << "the interpreter or the game did not end";
}

std::string Scenario::AwaitErrorBox() {
  // A dialog of the launcher's process with the application title; its message is the static
  // text beside the icon.
  HWND box = nullptr;
  test::Await(
      [&] { return (box = test::FindBoxOfProcess(launcher_->ProcessId(), "OEM Gorvale FE")) != nullptr; },
      5000);
  return box ? test::ReadBox(box).text : std::string();
}

void Scenario::ExpectClosedWithoutLaunch() {
  DWORD code = 1;
  ASSERT_TRUE(launcher_->AwaitExit(10000, &code)) << "the program did not end";
  EXPECT_EQ(code, 0u);
  EXPECT_FALSE(dir_->HasBatchFile()) << "a close without the run button wrote Gorvale.bat";
  EXPECT_FALSE(dir_->HasGameRecord()) << "a game was started";
}

void Scenario::ExpectSettings(const KeptValues& values) {
  EXPECT_EQ(test::SettingsFileBytes(), values.SettingsFile()) << "Zelt.ini";
}

void Scenario::RestartExpecting(const KeptValues& values) {
  Start();
  ExpectShown(values);
}

void Scenario::ExpectShown(const KeptValues& values) {
  WindowDriver& ui = *ui_;
  EXPECT_EQ(ui.VisiblePage(), "General") << "every start shows the first page";
  EXPECT_EQ(ui.Text("ComboBox1"), "General");
  // Page by page, each shown once, as a user would look them over.
  std::vector<std::pair<std::string, std::string>> kept(values.All().begin(), values.All().end());
  std::stable_sort(kept.begin(), kept.end(), [this](const auto& a, const auto& b) {
    return Outline().Of(NameOf(a.first)).page < Outline().Of(NameOf(b.first)).page;
  });
  for (const auto& [key, value] : kept) {
    const std::string name = NameOf(key);
    const std::string property = key.substr(key.find('.') + 1);
    if (!Outline().Of(name).windowed) continue;  // the hidden map label: seen in the file and the line
    ASSERT_TRUE(ui.ShowPageOf(name));
    if (property == "Checked")
      EXPECT_EQ(ui.Checked(name) ? "True" : "False", value) << key << " after the restart";
    else
      EXPECT_EQ(ui.Text(name), value) << key << " after the restart";
  }
  ExpectAfterRestorePass();
}

void Scenario::ExpectAfterRestorePass() {
  WindowDriver& ui = *ui_;
  auto shown = [&ui](const std::string& name) {
    const ::testing::AssertionResult page = ui.ShowPageOf(name);
    EXPECT_TRUE(page);
    return static_cast<bool>(page);
  };
  auto checked = [&](const std::string& name) { return shown(name) && ui.Checked(name); };
  auto enabled = [&](const std::string& name) { return shown(name) && ui.Enabled(name); };
  auto follows = [&](const std::string& field, const std::string& box) {
    EXPECT_EQ(enabled(field), checked(box)) << field << " enabled as " << box << " is checked";
  };
  const char* const kValueFields[][2] = {{"IntEdit5", "CheckBox1"},  {"IntEdit6", "CheckBox2"},
                                         {"IntEdit7", "CheckBox3"},  {"IntEdit8", "CheckBox4"},
                                         {"IntEdit9", "CheckBox14"}, {"Edit2", "CheckBox15"}};
  for (const auto& pair : kValueFields) follows(pair[0], pair[1]);
  for (const char* memory : {"IntEdit10", "RadioButton5", "RadioButton6", "RadioButton7"})
    follows(memory, "CheckBox17");
  for (int n = 8; n <= 13; ++n) follows("RadioButton" + std::to_string(n), "CheckBox16");
  const bool gl = checked("CheckBox21");
  for (const char* box : {"CheckBox18", "CheckBox19", "CheckBox20", "CheckBox22"})
    EXPECT_EQ(enabled(box), gl) << box << " enabled as Using GLQuake is checked";
  for (const char* field : {"IntEdit11", "IntEdit12", "IntEdit13"})
    EXPECT_EQ(enabled(field), gl && checked("CheckBox18")) << field;
  EXPECT_EQ(enabled("ComboBox3"), checked("RadioButton15")) << "the add-on list";
  EXPECT_EQ(enabled("ComboBox2"), !checked("RadioButton15")) << "the base-game list";
}

void Scenario::CloseByExitButton() {
  ASSERT_TRUE(ui_->Click("Win95SpeedButton4")) << "the exit button";
  ASSERT_TRUE(launcher_->AwaitExit(10000)) << "the exit button did not end the program";
}

std::string Scenario::ThroughWqBat(const std::string& line) {
  const std::string batch = "wq.bat";
  return "wqgame.exe" + line.substr(batch.size());
}

}  // namespace gv::e2e
