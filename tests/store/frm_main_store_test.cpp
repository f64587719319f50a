// The main window's own store under Wine: what a save of the design values writes into
// "Zelt.ini" in the Windows directory, and what comes back when the window is made again.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/frm_main.h"
#include "controls/register_controls.h"
#include "framework/stdctrls/check_box.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/radio_button.h"
#include "framework/stdctrls/register_std_controls.h"
#include "framework/win32/application.h"
#include "framework/win32/framework_setup.h"
#include "store/auto_properties_store.h"
#include "tests/support/file_bytes.h"
#include "tests/support/message_box.h"
#include "tests/support/settings_file.h"

namespace gv {
namespace {

class MainWindowStoreTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    fw::SetUpFramework();
    fw::RegisterStdControlClasses();
    RegisterControlClasses();
    RegisterStoreClasses();
    fw::Application()->SetTitle("OEM Gorvale FE");
  }
  void SetUp() override { gv::test::ForgetSettings(); }
  void TearDown() override {
    delete window_;
    gv::test::ForgetSettings();
  }

  // Makes the main window as the program does; its store restores from Zelt.ini at once.
  void MakeWindow() {
    delete window_;
    window_ = fw::Application()->CreateForm<TfrmMain>();
  }
  TAutoPropertiesStore* Store() {
    return dynamic_cast<TAutoPropertiesStore*>(window_->FindComponent("AutoPS"));
  }
  fw::TRadioButton* Radio(int n) {
    return dynamic_cast<fw::TRadioButton*>(window_->FindComponent("RadioButton" + std::to_string(n)));
  }
  fw::TEdit* Edit(const char* name) { return dynamic_cast<fw::TEdit*>(window_->FindComponent(name)); }

  TfrmMain* window_ = nullptr;
};

TEST_F(MainWindowStoreTest, ASaveOfTheDesignValuesWritesTheSettingsFileInWindowOrder) {
  MakeWindow();
  Store()->Save();
  const std::string text = gv::test::SettingsFileBytes();
  const std::string firstLines =
      "[settings]\r\n"
      "IntEdit1.Text=''1''\r\n"
      "IntEdit2.Text=''1''\r\n"
      "IntEdit3.Text=''1''\r\n"
      "CheckBox6.Checked=False\r\n"
      "CheckBox7.Checked=False\r\n"
      "CheckBox8.Checked=False\r\n"
      "CheckBox9.Checked=False\r\n"
      "CheckBox1.Checked=False\r\n"
      "IntEdit5.Text=''1''\r\n";
  EXPECT_EQ(text.substr(0, firstLines.size()), firstLines);
  for (const char* line : {"\r\nRadioButton1.Checked=True\r\n", "\r\nRadioButton2.Checked=False\r\n",
                           "\r\nIntEdit10.Text=''18''\r\n", "\r\nIntEdit11.Text=''640''\r\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line;
  for (const char* key :
       {"\nEdit1.", "\nEdit2.", "\neditExtra.", "\nIntEdit9.", "\neditChosenMap.", "\nlblMapName.",
        "\nRadioButton7.", "\nRadioButton8.", "\nRadioButton9.", "\nComboBox"})
    EXPECT_EQ(text.find(key), std::string::npos) << key;
}

TEST_F(MainWindowStoreTest, ChoicesComeBackAfterARestartAsTheKeptButtonsSay) {
  const std::string player = "it's " + std::string(300, 'q');
  MakeWindow();
  Radio(7)->SetChecked(true);  // "Lock and unlock memory": not kept
  Radio(9)->SetChecked(true);  // "Fast": not kept
  Edit("Edit1")->SetText(player);
  Store()->Save();
  MakeWindow();
  EXPECT_FALSE(Radio(5)->Checked());
  EXPECT_FALSE(Radio(6)->Checked());
  EXPECT_FALSE(Radio(7)->Checked());
  EXPECT_TRUE(Radio(8)->Checked());  // "Max", as the window is made
  EXPECT_FALSE(Radio(9)->Checked());
  EXPECT_EQ(Edit("Edit1")->Text(), player);
}

TEST_F(MainWindowStoreTest, ADamagedSettingsFileIsReportedOnceTheWindowIsUpAndCostsNoOtherSetting) {
  gv::test::WriteFileBytes(gv::test::SettingsPath(),
                           "[settings]\r\nEdit1.Text=''kept''\r\nCheckBox6.Checked=Maybe\r\n"
                           "CheckBox7.Checked=True\r\nIntEdit1.Text=''3''\r\n");
  gv::test::BoxWatcher quiet;
  MakeWindow();
  window_->Show();  // the second restore
  EXPECT_EQ(quiet.Stop().box, nullptr) << "no box while the splash is up";
  EXPECT_EQ(Edit("Edit1")->Text(), "kept");
  EXPECT_EQ(Edit("IntEdit1")->Text(), "3");
  EXPECT_TRUE(dynamic_cast<fw::TCheckBox*>(window_->FindComponent("CheckBox7"))->Checked());

  gv::test::BoxWatcher watcher;
  window_->BringUp();
  for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&msg);
  const gv::test::BoxSeen seen = watcher.Stop();
  ASSERT_NE(seen.box, nullptr);
  EXPECT_EQ(seen.owner, window_->Handle());
  EXPECT_EQ(seen.text,
            "Settings file Zelt.ini, section settings: 1 entry was not restored and the values shown instead "
            "will be saved\r\n\r\nCheckBox6.Checked: Invalid property value.");
  window_->BringUp();
  EXPECT_EQ(Store()->TakeRestoreReport(), "") << "one report per start";

  Store()->Save();
  const std::string text = gv::test::SettingsFileBytes();
  EXPECT_NE(text.find("\r\nCheckBox6.Checked=False\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nCheckBox7.Checked=True\r\n"), std::string::npos);
}

}  // namespace
}  // namespace gv
