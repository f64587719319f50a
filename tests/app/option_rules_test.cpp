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
using C = FrmMainControls;
using Part = FrmMainPart::Control;
using BoxMember = fw::TCheckBox* C::*;

fw::TControl* Control(const Part& part) { return dynamic_cast<fw::TControl*>(Host::Find(part)); }

// Read back from the window where there is one: what the user sees.
bool IsEnabled(const Part& part) {
  if (auto* w = dynamic_cast<fw::TWinControl*>(Control(part))) return ::IsWindowEnabled(w->Handle()) != FALSE;
  return Control(part)->Enabled();
}
bool IsChecked(BoxMember box) { return ::SendMessageA(Host::Handle(box), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void ShowPageOf(const Part& part) {
  for (fw::TControl* c = Control(part); c; c = c->Parent()) {
    if (auto* page = dynamic_cast<fw::TPage*>(c)) {
      Host::Get(&C::pages)->SetActivePage(page->Caption());
      PumpFor(30);
      return;
    }
  }
}

// A real click on a check box (on its square, at the left edge).
void Click(BoxMember box) {
  ShowPageOf(box);
  HWND hwnd = Host::Handle(box);
  RECT r;
  ::GetClientRect(hwnd, &r);
  bool before = IsChecked(box);
  ClickAt(ScreenPoint(hwnd, 6, r.bottom / 2));
  PumpUntil([&] { return IsChecked(box) != before; }, 1500);
  ASSERT_NE(IsChecked(box), before) << Host::NameOf(box) << " did not toggle";
}

void Uncheck(std::initializer_list<BoxMember> boxes) {
  for (BoxMember box : boxes)
    if (Host::Get(box)->Checked()) Host::Get(box)->SetChecked(false);
}

void ExpectEnabled(std::initializer_list<Part> parts, bool enabled) {
  for (const Part& part : parts) EXPECT_EQ(IsEnabled(part), enabled) << Host::NameOf(part);
}

const std::initializer_list<Part> kWinQuakeModes = {&C::modeMax,     &C::modeFast, &C::modeFastvid,
                                                    &C::modeFastsnd, &C::modeSafe, &C::modeVerysafe};
const std::initializer_list<Part> kResolutionGroup = {
    &C::width,         &C::height,        &C::bpp,     &C::resolutionMenuButton,
    &C::bppMenuButton, &C::widthByHeight, &C::bppLabel};
const std::initializer_list<Part> kGLQuakeBoxes = {&C::resolutionOn, &C::noPolyblend, &C::noFlashblend,
                                                   &C::shadows};
const std::initializer_list<Part> kMemoryLocking = {&C::memoryNormal, &C::lockMemory, &C::lockUnlockMemory,
                                                    &C::winmem};

// Runs first in this program: the window as a first start with no settings file leaves it.
TEST(OptionRules, FirstStartWithNoSettingsFile) {
  ExpectEnabled({&C::portOn, &C::hostnameOn, &C::winmemOn, &C::heapsizeOn, &C::usingGLQuake,
                 &C::usingWinQuake, &C::noLan},
                true);
  ExpectEnabled(
      {&C::teamplay, &C::timelimit, &C::fraglimit, &C::maxPlayers, &C::port, &C::hostname, &C::heapsize},
      false);
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
    Uncheck({&C::usingWinQuake, &C::usingGLQuake, &C::noLan, &C::winmemOn, &C::heapsizeOn, &C::resolutionOn,
             &C::portOn, &C::hostnameOn, &C::timelimitOn});
  }
};

TEST_F(Rules, TheEngineBoxesExcludeEachOther) {
  Click(&C::usingWinQuake);  // check "Using WinQuake"
  ExpectEnabled(kWinQuakeModes, true);
  EXPECT_TRUE(IsEnabled(&C::winmemOn));
  EXPECT_FALSE(IsEnabled(&C::heapsizeOn));
  Click(&C::winmemOn);  // "Winmem:" on: its radios and field follow
  ExpectEnabled(kMemoryLocking, true);

  // Checking "Using GLQuake" now runs three rules deep: GLQuake, inside it WinQuake
  // unchecked, inside that "Winmem:" unchecked.
  Click(&C::usingGLQuake);
  EXPECT_FALSE(IsChecked(&C::usingWinQuake));
  EXPECT_FALSE(IsChecked(&C::winmemOn));
  EXPECT_FALSE(IsEnabled(&C::winmemOn));
  ExpectEnabled(kMemoryLocking, false);
  ExpectEnabled(kWinQuakeModes, false);
  EXPECT_TRUE(IsEnabled(&C::heapsizeOn));
  EXPECT_FALSE(IsEnabled(&C::heapsize)) << "the heap size follows its unchecked box";
  ExpectEnabled(kGLQuakeBoxes, true);
  ExpectEnabled(kResolutionGroup, false);  // "Video resolution:" is not checked

  Click(&C::resolutionOn);  // "Video resolution:" brings the whole resolution group
  ExpectEnabled(kResolutionGroup, true);
  Click(&C::heapsizeOn);  // "Heapsize:" on
  EXPECT_TRUE(IsEnabled(&C::heapsize));

  Click(&C::usingWinQuake);  // WinQuake again: GLQuake goes, with its group and the heap size
  EXPECT_FALSE(IsChecked(&C::usingGLQuake));
  ExpectEnabled(kGLQuakeBoxes, false);
  ExpectEnabled(kResolutionGroup, false);
  EXPECT_TRUE(IsChecked(&C::resolutionOn)) << "a disabled box keeps its mark";
  EXPECT_FALSE(IsChecked(&C::heapsizeOn));
  EXPECT_FALSE(IsEnabled(&C::heapsizeOn));
  EXPECT_FALSE(IsEnabled(&C::heapsize));
  EXPECT_TRUE(IsEnabled(&C::winmemOn));
  ExpectEnabled(kWinQuakeModes, true);

  Click(&C::usingWinQuake);  // WinQuake off with no engine: "Winmem:" and "Heapsize:" both off
  ExpectEnabled(kWinQuakeModes, false);
  EXPECT_FALSE(IsEnabled(&C::winmemOn));
  EXPECT_FALSE(IsEnabled(&C::heapsizeOn));

  Click(&C::usingGLQuake);
  Click(&C::usingGLQuake);  // GLQuake off: "Winmem:" back, "Heapsize:" off
  EXPECT_TRUE(IsEnabled(&C::winmemOn));
  EXPECT_FALSE(IsEnabled(&C::heapsizeOn));
  ExpectEnabled(kGLQuakeBoxes, false);
  ExpectEnabled(kWinQuakeModes, false);
}

TEST_F(Rules, NoNetworkSupportKeepsACheckedPortInTheLine) {
  Click(&C::portOn);  // "Port:"
  Control(&C::port)->SetText("26001");
  Click(&C::noUdp);
  Click(&C::noLan);  // "No network support"
  EXPECT_FALSE(IsChecked(&C::noUdp));
  EXPECT_FALSE(IsEnabled(&C::portOn));
  EXPECT_FALSE(IsEnabled(&C::hostnameOn));
  EXPECT_TRUE(IsChecked(&C::portOn)) << "disabled, still checked";
  EXPECT_TRUE(IsEnabled(&C::port));
  std::string line = BuildBatchLine(Host::Form()->TakeLaunchOptions());
  EXPECT_NE(line.find(" -nolan -udpport 26001"), std::string::npos) << line;
}

TEST_F(Rules, ClickingAProtocolBoxGivesTheNetworkBack) {
  Click(&C::noLan);
  Click(&C::noIpx);  // "No IPX support": the focus rule first, then the toggle
  EXPECT_FALSE(IsChecked(&C::noLan));
  EXPECT_TRUE(IsChecked(&C::noIpx));
  EXPECT_TRUE(IsEnabled(&C::portOn));
  EXPECT_TRUE(IsEnabled(&C::hostnameOn));
}

TEST_F(Rules, LeavingNoNetworkSupportByKeyboardUnchecksIt) {
  for (WORD key : {static_cast<WORD>(VK_TAB), static_cast<WORD>(VK_RIGHT), static_cast<WORD>(VK_DOWN)}) {
    SCOPED_TRACE(key);
    ShowPageOf(&C::noLan);
    Host::Get(&C::noLan)->SetFocus();
    PumpFor(30);
    PressKey(VK_SPACE);  // checked by the keyboard
    PumpUntil([] { return IsChecked(&C::noLan); }, 1000);
    ASSERT_TRUE(IsChecked(&C::noLan));
    PressKey(key);
    PumpUntil([] { return !IsChecked(&C::noLan); }, 1000);
    EXPECT_EQ(Host::FocusedName(), Host::NameOf(&C::noUdp));
    EXPECT_FALSE(IsChecked(&C::noLan));
    EXPECT_FALSE(IsChecked(&C::noUdp)) << "arriving does not toggle the protocol box";
  }
}

// An arrow key on a box goes to the next control of its page; a framed field is visited where
// its frame stands, and the frame itself never holds the focus.
TEST_F(Rules, ArrowKeyFromABoxGoesIntoTheFramedFieldBesideIt) {
  auto focusAfterDown = [](const Part& part) {
    const std::string from = Host::NameOf(part);
    Host::Windowed(from)->SetFocus();
    PumpFor(30);
    PressKey(VK_DOWN);
    PumpUntil([&] { return Host::FocusedName() != from; }, 1000);
    return Host::FocusedName();
  };
  Click(&C::portOn);  // "Port:" enables its field and keeps the focus
  ASSERT_EQ(focusAfterDown(&C::portOn), Host::NameOf(&C::port));
  TypeText("26000");
  PumpUntil([] { return Control(&C::port)->Text() == "26000"; }, 1000);
  EXPECT_EQ(Control(&C::port)->Text(), "26000");
  Control(&C::port)->SetText("");

  ShowPageOf(&C::cooperative);
  EXPECT_EQ(focusAfterDown(&C::cooperative), Host::NameOf(&C::gameModeValue));
}

TEST_F(Rules, UncheckingAValueBoxDisablesItsFieldAndKeepsTheText) {
  Click(&C::timelimitOn);
  Control(&C::timelimit)->SetText("15");
  Click(&C::timelimitOn);
  EXPECT_FALSE(IsEnabled(&C::timelimit));
  EXPECT_EQ(Control(&C::timelimit)->Text(), "15");
}

// A restart in small: save, change, then the show step's restore and pass.
TEST_F(Rules, RestoredBoxesBringTheirRulesBack) {
  Click(&C::usingGLQuake);
  Click(&C::heapsizeOn);
  Click(&C::noLan);
  Host::Get(&C::settings)->Save();
  Uncheck({&C::usingGLQuake, &C::heapsizeOn, &C::noLan});
  ASSERT_FALSE(IsEnabled(&C::heapsize));

  Host::Form()->FormShow(Host::Form());
  EXPECT_TRUE(IsChecked(&C::heapsizeOn));
  EXPECT_TRUE(IsEnabled(&C::heapsize)) << "a restored \"Heapsize:\" comes up with its field";
  EXPECT_TRUE(IsChecked(&C::noLan));
  EXPECT_FALSE(IsEnabled(&C::portOn));
  EXPECT_FALSE(IsEnabled(&C::hostnameOn));
  ForgetSettings();
}

}  // namespace
}  // namespace gv::test
