// Page selector, pop-up menu and notebook in step, driven by the user's keys and clicks; the arrow
// keys through the radio groups.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "framework/stdctrls/check_box.h"
#include "framework/stdctrls/combo_box.h"
#include "framework/stdctrls/notebook.h"
#include "framework/stdctrls/radio_button.h"
#include "tests/app/frm_main_host.h"
#include "tests/support/input.h"
#include "tests/support/message_loop.h"
#include "tests/support/window_info.h"

namespace gv::test {
namespace {

using Host = FrmMainHost;

class Navigation : public ::testing::Test {
 protected:
  void SetUp() override {
    notebook_ = dynamic_cast<fw::TNotebook*>(Host::Find("Notebook1"));
    selector_ = dynamic_cast<fw::TComboBox*>(Host::Find("ComboBox1"));
    ASSERT_TRUE(notebook_ && selector_);
    Host::Form()->GeneralClick(nullptr);
    Host::Activate();
    changes_.clear();
    notebook_->onPageChanged =
        fw::Method{"", [this](fw::Component*) { changes_.push_back(notebook_->ActivePage()); }};
  }
  void TearDown() override { notebook_->onPageChanged = fw::Method{}; }

  std::string SelectorText() const { return WindowText(selector_->Handle()); }

  // Right-clicks an empty spot of the page and picks the menu entry by its access letter.
  void ChooseFromMenu(char letter) {
    std::atomic<bool> picked{false};
    std::thread picker([&picked, letter] {
      for (int i = 0; i < 400 && !picked; ++i) {
        HWND menu = ::FindWindowA("#32768", nullptr);
        if (menu && ::IsWindowVisible(menu)) {
          PressKey(static_cast<WORD>(letter));
          picked = true;
        }
        ::Sleep(10);
      }
    });
    ClickAt(ScreenPoint(notebook_->Handle(), 250, 140), true);
    PumpUntil([&picked] { return picked.load(); }, 5000);
    PumpFor(150);
    picker.join();
    ASSERT_TRUE(picked) << "the pop-up menu did not open";
  }

  fw::TNotebook* notebook_ = nullptr;
  fw::TComboBox* selector_ = nullptr;
  std::vector<std::string> changes_;
};

TEST_F(Navigation, EveryStartShowsGeneral) {
  // FormCreate chose the page; the selector names it.
  EXPECT_EQ(Host::Created().at("ComboBox1").text, "General");
  EXPECT_EQ(notebook_->ActivePage(), "General");
}

TEST_F(Navigation, CrosswiseNamedMenuEntriesShowTheirCaptionsPage) {
  ChooseFromMenu('A');  // "M&ap", the component Network1
  EXPECT_EQ(notebook_->ActivePage(), "Map");
  EXPECT_EQ(selector_->ItemIndex(), 2);
  EXPECT_EQ(SelectorText(), "Map");
  EXPECT_EQ(changes_, std::vector<std::string>{"Map"}) << "one page change, none from the selector";

  changes_.clear();
  ChooseFromMenu('N');  // "&Network", the component Map1
  EXPECT_EQ(notebook_->ActivePage(), "Network");
  EXPECT_EQ(selector_->ItemIndex(), 3);
  EXPECT_EQ(SelectorText(), "Network");
  EXPECT_EQ(changes_, std::vector<std::string>{"Network"});
}

TEST_F(Navigation, EveryPageEntryKeepsSelectorAndPageInStep) {
  struct Entry {
    char letter;
    const char* page;
    int index;
  };
  const Entry kEntries[] = {{'M', "Multiplayer", 1}, {'Y', "Memory", 4}, {'L', "GLQuake", 5},
                            {'W', "WinQuake", 6},    {'E', "Extra", 7},  {'G', "General", 0}};
  for (const Entry& e : kEntries) {
    SCOPED_TRACE(e.page);
    changes_.clear();
    ChooseFromMenu(e.letter);
    EXPECT_EQ(notebook_->ActivePage(), e.page);
    EXPECT_EQ(selector_->ItemIndex(), e.index);
    EXPECT_EQ(SelectorText(), e.page);
    EXPECT_EQ(changes_.size(), 1u);
  }
}

TEST_F(Navigation, SelectorArrowKeysSwitchThePageAtEachStep) {
  const std::vector<std::string> kDown = {"Multiplayer", "Map",      "Network", "Memory",
                                          "GLQuake",     "WinQuake", "Extra"};
  for (const std::string& page : kDown) {
    PressKey(VK_DOWN);
    PumpUntil([&] { return notebook_->ActivePage() == page; }, 1000);
    EXPECT_EQ(notebook_->ActivePage(), page);
  }
  EXPECT_EQ(changes_, kDown);
  // Up from "Extra" back to "Map", the third entry and the last page of the notebook.
  for (int i = 0; i < 5; ++i) PressKey(VK_UP);
  PumpUntil([&] { return notebook_->ActivePage() == "Map"; }, 1000);
  EXPECT_EQ(notebook_->ActivePage(), "Map");
  EXPECT_EQ(notebook_->Pages().back()->Caption(), "Map");
  EXPECT_EQ(notebook_->Pages().back()->Visible(), true);
}

TEST_F(Navigation, ChoosingTheVisiblePageChangesNothing) {
  // Drop the list down and take the entry that is already current.
  PressKey(VK_F4);
  PumpFor(200);
  PressKey(VK_RETURN);
  PumpFor(200);
  EXPECT_EQ(notebook_->ActivePage(), "General");
  EXPECT_TRUE(changes_.empty());
  // Nor does an index outside the list.
  selector_->SetItemIndex(-1);
  Host::Form()->ComboBox1Click(nullptr);
  EXPECT_EQ(notebook_->ActivePage(), "General");
  selector_->SetItemIndex(0);
}

// The arrow keys move the focus into and through every radio group without choosing: a group is
// entered at its checked button, or at its first one when none is checked, and only Space
// chooses. Each step lists the key and where the focus must be.
struct ArrowWalk {
  const char* page;
  const char* enabler;     // the box that enables the page's group, or nullptr
  const char* checkFirst;  // a button to check before the walk, or nullptr
  const char* checkAfter;  // the group's button to check again afterwards, or nullptr
  const char* start;
  std::vector<std::pair<WORD, const char*>> steps;
};

TEST_F(Navigation, ArrowKeysNeverChooseARadioButton) {
  const std::vector<ArrowWalk> kWalks = {
      {"Multiplayer",
       nullptr,
       nullptr,
       nullptr,
       "CheckBox1",  // Up wraps round into "Listen"/"Dedicated"
       {{VK_UP, "RadioButton3"}, {VK_UP, "RadioButton4"}, {VK_DOWN, "RadioButton3"}}},
      {"Multiplayer",
       nullptr,
       "RadioButton2",
       "RadioButton1",
       "CheckBox5",
       {{VK_DOWN, "RadioButton2"}, {VK_UP, "RadioButton1"}, {VK_DOWN, "RadioButton2"}}},
      {"Memory",
       "CheckBox17",
       nullptr,
       nullptr,
       "CheckBox23",
       {{VK_UP, "RadioButton5"}, {VK_DOWN, "RadioButton6"}, {VK_DOWN, "RadioButton7"}}},
      {"WinQuake",
       "CheckBox16",
       nullptr,
       nullptr,
       "CheckBox16",
       {{VK_UP, "RadioButton8"},
        {VK_DOWN, "RadioButton9"},
        {VK_RIGHT, "RadioButton10"},
        {VK_DOWN, "RadioButton11"},
        {VK_DOWN, "RadioButton12"},
        {VK_DOWN, "RadioButton13"},
        {VK_LEFT, "RadioButton12"}}},
      {"Map",
       nullptr,
       nullptr,
       nullptr,
       "RadioButton15",
       {{VK_UP, "RadioButton14"}, {VK_DOWN, "RadioButton15"}}},
  };
  auto radio = [](const std::string& name) { return dynamic_cast<fw::TRadioButton*>(Host::Find(name)); };
  auto marks = [&] {
    std::vector<std::string> checked;
    for (int i = 1; i <= 15; ++i)
      if (radio("RadioButton" + std::to_string(i))->Checked()) checked.push_back(std::to_string(i));
    return checked;
  };
  for (const ArrowWalk& walk : kWalks) {
    SCOPED_TRACE(std::string(walk.page) + " from " + walk.start);
    notebook_->SetActivePage(walk.page);
    Host::Activate();
    auto* enabler = walk.enabler ? dynamic_cast<fw::TCheckBox*>(Host::Find(walk.enabler)) : nullptr;
    if (enabler) enabler->SetChecked(true);
    if (walk.checkFirst) radio(walk.checkFirst)->SetChecked(true);
    const std::vector<std::string> before = marks();
    Host::Windowed(walk.start)->SetFocus();
    PumpFor(30);
    for (const auto& [key, expected] : walk.steps) {
      PressKey(key);
      PumpUntil([&] { return Host::FocusedName() == expected; }, 1000);
      EXPECT_EQ(Host::FocusedName(), expected);
      EXPECT_EQ(marks(), before) << "the focus chose an option";
    }
    if (walk.checkAfter) radio(walk.checkAfter)->SetChecked(true);
    if (enabler) enabler->SetChecked(false);
  }
  // A keyboard user still chooses "Dedicated server": Space on the button the arrows reached.
  notebook_->SetActivePage("Multiplayer");
  Host::Activate();
  Host::Windowed("CheckBox1")->SetFocus();
  PumpFor(30);
  PressKey(VK_UP);
  PressKey(VK_UP);
  PumpUntil([] { return Host::FocusedName() == "RadioButton4"; }, 1000);
  PressKey(VK_SPACE);
  PumpUntil([&] { return radio("RadioButton4")->Checked(); }, 1000);
  EXPECT_TRUE(radio("RadioButton4")->Checked());
  radio("RadioButton4")->SetChecked(false);
  notebook_->SetActivePage("General");
}

}  // namespace
}  // namespace gv::test
