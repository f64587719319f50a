// The option rules in the real main window, driven by clicks, keys and focus moves: what
// becomes enabled, disabled or cleared, and what then reaches the batch line.
#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <string>

#include "app/batch_line.h"
#include "framework/stdctrls/check_box.h"
#include "framework/stdctrls/notebook.h"
#include "store/auto_properties_store.h"
#include "tests/app/frm_main_host.h"
#include "tests/support/input.h"
#include "tests/support/message_loop.h"
#include "tests/support/settings_file.h"

namespace gv::test {
namespace {

using Host = FrmMainHost;

fw::TControl* Control(const std::string& name) { return dynamic_cast<fw::TControl*>(Host::Find(name)); }
fw::TCheckBox* Box(int n) { return dynamic_cast<fw::TCheckBox*>(Host::Find("CheckBox" + std::to_string(n))); }

// Read back from the window where there is one: what the user sees.
bool IsEnabled(const std::string& name) {
  if (auto* w = dynamic_cast<fw::TWinControl*>(Control(name))) return ::IsWindowEnabled(w->Handle()) != FALSE;
  return Control(name)->Enabled();
}
bool IsChecked(int n) { return ::SendMessageA(Box(n)->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void ShowPageOf(const std::string& name) {
  for (fw::TControl* c = Control(name); c; c = c->Parent()) {
    if (auto* page = dynamic_cast<fw::TPage*>(c)) {
      dynamic_cast<fw::TNotebook*>(Host::Find("Notebook1"))->SetActivePage(page->Caption());
      PumpFor(30);
      return;
    }
  }
}

// A real click on a check box (on its square, at the left edge).
void Click(int n) {
  ShowPageOf("CheckBox" + std::to_string(n));
  HWND box = Box(n)->Handle();
  RECT r;
  ::GetClientRect(box, &r);
  bool before = IsChecked(n);
  ClickAt(ScreenPoint(box, 6, r.bottom / 2));
  PumpUntil([&] { return IsChecked(n) != before; }, 1500);
  ASSERT_NE(IsChecked(n), before) << "CheckBox" << n << " did not toggle";
}

void ExpectEnabled(std::initializer_list<const char*> names, bool enabled) {
  for (const char* name : names) EXPECT_EQ(IsEnabled(name), enabled) << name;
}

const std::initializer_list<const char*> kWinQuakeModes = {"RadioButton8",  "RadioButton9",  "RadioButton10",
                                                           "RadioButton11", "RadioButton12", "RadioButton13"};
const std::initializer_list<const char*> kResolutionGroup = {
    "IntEdit11", "IntEdit12", "IntEdit13", "Win95SpeedButton5", "Win95SpeedButton6", "Label1", "Label2"};
const std::initializer_list<const char*> kGLQuakeBoxes = {"CheckBox18", "CheckBox19", "CheckBox20",
                                                          "CheckBox22"};
const std::initializer_list<const char*> kMemoryLocking = {"RadioButton5", "RadioButton6", "RadioButton7",
                                                           "IntEdit10"};

// Runs first in this program: the window as a first start with no settings file leaves it.
TEST(OptionRules, FirstStartWithNoSettingsFile) {
  ExpectEnabled(
      {"CheckBox14", "CheckBox15", "CheckBox17", "CheckBox23", "CheckBox21", "CheckBox16", "CheckBox10"},
      true);
  ExpectEnabled({"IntEdit5", "IntEdit6", "IntEdit7", "IntEdit8", "IntEdit9", "Edit2", "IntEdit14"}, false);
  ExpectEnabled(kMemoryLocking, false);
  ExpectEnabled(kWinQuakeModes, false);
  ExpectEnabled(kGLQuakeBoxes, false);
  ExpectEnabled(kResolutionGroup, false);
}

class Rules : public ::testing::Test {
 protected:
  void SetUp() override {
    Host::Activate();
    // Both engines off through their own rules, then the start of each scenario by clicks.
    for (int n : {16, 21, 10, 17, 23, 18, 14, 15, 2})
      if (Box(n)->Checked()) Box(n)->SetChecked(false);
  }
};

TEST_F(Rules, TheEngineBoxesExcludeEachOther) {
  Click(16);  // check "Using WinQuake"
  ExpectEnabled(kWinQuakeModes, true);
  EXPECT_TRUE(IsEnabled("CheckBox17"));
  EXPECT_FALSE(IsEnabled("CheckBox23"));
  Click(17);  // "Winmem:" on: its radios and field follow
  ExpectEnabled(kMemoryLocking, true);

  // Checking "Using GLQuake" now runs three rules deep: GLQuake, inside it WinQuake
  // unchecked, inside that "Winmem:" unchecked.
  Click(21);
  EXPECT_FALSE(IsChecked(16));
  EXPECT_FALSE(IsChecked(17));
  EXPECT_FALSE(IsEnabled("CheckBox17"));
  ExpectEnabled(kMemoryLocking, false);
  ExpectEnabled(kWinQuakeModes, false);
  EXPECT_TRUE(IsEnabled("CheckBox23"));
  EXPECT_FALSE(IsEnabled("IntEdit14")) << "the heap size follows its unchecked box";
  ExpectEnabled(kGLQuakeBoxes, true);
  ExpectEnabled(kResolutionGroup, false);  // "Video resolution:" is not checked

  Click(18);  // "Video resolution:" brings the whole resolution group
  ExpectEnabled(kResolutionGroup, true);
  Click(23);  // "Heapsize:" on
  EXPECT_TRUE(IsEnabled("IntEdit14"));

  Click(16);  // WinQuake again: GLQuake goes, with its group and the heap size
  EXPECT_FALSE(IsChecked(21));
  ExpectEnabled(kGLQuakeBoxes, false);
  ExpectEnabled(kResolutionGroup, false);
  EXPECT_TRUE(IsChecked(18)) << "a disabled box keeps its mark";
  EXPECT_FALSE(IsChecked(23));
  EXPECT_FALSE(IsEnabled("CheckBox23"));
  EXPECT_FALSE(IsEnabled("IntEdit14"));
  EXPECT_TRUE(IsEnabled("CheckBox17"));
  ExpectEnabled(kWinQuakeModes, true);

  Click(16);  // WinQuake off with no engine: "Winmem:" and "Heapsize:" both off
  ExpectEnabled(kWinQuakeModes, false);
  EXPECT_FALSE(IsEnabled("CheckBox17"));
  EXPECT_FALSE(IsEnabled("CheckBox23"));

  Click(21);
  Click(21);  // GLQuake off: "Winmem:" back, "Heapsize:" off
  EXPECT_TRUE(IsEnabled("CheckBox17"));
  EXPECT_FALSE(IsEnabled("CheckBox23"));
  ExpectEnabled(kGLQuakeBoxes, false);
  ExpectEnabled(kWinQuakeModes, false);
}

TEST_F(Rules, NoNetworkSupportKeepsACheckedPortInTheLine) {
  Click(14);  // "Port:"
  Control("IntEdit9")->SetText("26001");
  Click(11);
  Click(10);  // "No network support"
  EXPECT_FALSE(IsChecked(11));
  EXPECT_FALSE(IsEnabled("CheckBox14"));
  EXPECT_FALSE(IsEnabled("CheckBox15"));
  EXPECT_TRUE(IsChecked(14)) << "disabled, still checked";
  EXPECT_TRUE(IsEnabled("IntEdit9"));
  std::string line = BuildBatchLine(Host::Form()->TakeLaunchOptions());
  EXPECT_NE(line.find(" -nolan -udpport 26001"), std::string::npos) << line;
}

TEST_F(Rules, ClickingAProtocolBoxGivesTheNetworkBack) {
  Click(10);
  Click(12);  // "No IPX support": the focus rule first, then the toggle
  EXPECT_FALSE(IsChecked(10));
  EXPECT_TRUE(IsChecked(12));
  EXPECT_TRUE(IsEnabled("CheckBox14"));
  EXPECT_TRUE(IsEnabled("CheckBox15"));
}

TEST_F(Rules, LeavingNoNetworkSupportByKeyboardUnchecksIt) {
  for (WORD key : {static_cast<WORD>(VK_TAB), static_cast<WORD>(VK_RIGHT), static_cast<WORD>(VK_DOWN)}) {
    SCOPED_TRACE(key);
    ShowPageOf("CheckBox10");
    Box(10)->SetFocus();
    PumpFor(30);
    PressKey(VK_SPACE);  // checked by the keyboard
    PumpUntil([] { return IsChecked(10); }, 1000);
    ASSERT_TRUE(IsChecked(10));
    PressKey(key);
    PumpUntil([] { return !IsChecked(10); }, 1000);
    EXPECT_EQ(Host::FocusedName(), "CheckBox11");
    EXPECT_FALSE(IsChecked(10));
    EXPECT_FALSE(IsChecked(11)) << "arriving does not toggle the protocol box";
  }
}

// An arrow key on a box goes to the next control of its page; a framed field is visited where
// its frame stands, and the frame itself never holds the focus.
TEST_F(Rules, ArrowKeyFromABoxGoesIntoTheFramedFieldBesideIt) {
  auto focusAfterDown = [](const std::string& from) {
    Host::Windowed(from)->SetFocus();
    PumpFor(30);
    PressKey(VK_DOWN);
    PumpUntil([&] { return Host::FocusedName() != from; }, 1000);
    return Host::FocusedName();
  };
  Click(14);  // "Port:" enables its field and keeps the focus
  ASSERT_EQ(focusAfterDown("CheckBox14"), "IntEdit9");
  TypeText("26000");
  PumpUntil([] { return Control("IntEdit9")->Text() == "26000"; }, 1000);
  EXPECT_EQ(Control("IntEdit9")->Text(), "26000");
  Control("IntEdit9")->SetText("");

  ShowPageOf("RadioButton2");
  EXPECT_EQ(focusAfterDown("RadioButton2"), "IntEdit4");
}

TEST_F(Rules, UncheckingAValueBoxDisablesItsFieldAndKeepsTheText) {
  Click(2);
  Control("IntEdit6")->SetText("15");
  Click(2);
  EXPECT_FALSE(IsEnabled("IntEdit6"));
  EXPECT_EQ(Control("IntEdit6")->Text(), "15");
}

// A restart in small: save, change, then the show step's restore and pass.
TEST_F(Rules, RestoredBoxesBringTheirRulesBack) {
  Click(21);
  Click(23);
  Click(10);
  auto* store = dynamic_cast<TAutoPropertiesStore*>(Host::Find("AutoPS"));
  store->Save();
  for (int n : {21, 23, 10})
    if (Box(n)->Checked()) Box(n)->SetChecked(false);
  ASSERT_FALSE(IsEnabled("IntEdit14"));

  Host::Form()->FormShow(Host::Form());
  EXPECT_TRUE(IsChecked(23));
  EXPECT_TRUE(IsEnabled("IntEdit14")) << "a restored \"Heapsize:\" comes up with its field";
  EXPECT_TRUE(IsChecked(10));
  EXPECT_FALSE(IsEnabled("CheckBox14"));
  EXPECT_FALSE(IsEnabled("CheckBox15"));
  ForgetSettings();
}

}  // namespace
}  // namespace gv::test
