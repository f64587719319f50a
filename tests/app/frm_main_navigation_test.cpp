// Page selector, pop-up menu and notebook in step, driven by the user's keys and clicks; and
// the Tab order of every page.
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

// The controls of each page in Tab order; those that cannot take the focus are left out when
// the order is walked (disabled controls, and radio buttons of a group other than the checked
// one).
const std::vector<std::pair<const char*, std::vector<const char*>>> kTabOrders = {
    {"General",
     {"IntEdit1", "Edit1", "IntEdit2", "IntEdit3", "CheckBox6", "CheckBox7", "CheckBox8", "CheckBox9"}},
    {"Multiplayer",
     {"CheckBox1", "IntEdit5", "CheckBox2", "CheckBox3", "CheckBox4", "IntEdit6", "IntEdit7", "CheckBox5",
      "IntEdit8", "RadioButton1", "RadioButton2", "IntEdit4", "RadioButton3", "RadioButton4"}},
    {"Network",
     {"CheckBox10", "CheckBox11", "CheckBox12", "CheckBox13", "CheckBox14", "IntEdit9", "CheckBox15",
      "Edit2"}},
    {"Memory",
     {"CheckBox17", "IntEdit10", "RadioButton5", "RadioButton6", "RadioButton7", "IntEdit14", "CheckBox23"}},
    {"GLQuake",
     {"CheckBox18", "IntEdit11", "IntEdit12", "CheckBox19", "CheckBox20", "CheckBox22", "IntEdit13",
      "CheckBox21"}},
    {"WinQuake",
     {"RadioButton8", "RadioButton9", "RadioButton10", "RadioButton11", "RadioButton12", "RadioButton13",
      "CheckBox16"}},
    {"Extra", {"editExtra"}},
    {"Map", {"editChosenMap", "RadioButton14", "RadioButton15", "ComboBox2", "ComboBox3"}},
};

bool TakesTabFocus(const char* name) {
  HWND h = Host::Handle(name);
  if (!::IsWindowEnabled(h) || !::IsWindowEnabled(::GetParent(h))) return false;
  if (auto* radio = dynamic_cast<fw::TRadioButton*>(Host::Find(name))) return radio->Checked();
  return true;
}

TEST_F(Navigation, TabVisitsEachPageInItsOrderAfterTheSelector) {
  for (const auto& [page, order] : kTabOrders) {
    SCOPED_TRACE(page);
    notebook_->SetActivePage(page);
    Host::Activate();
    std::vector<std::string> expected, seen;
    for (const char* name : order)
      if (TakesTabFocus(name)) expected.push_back(name);
    expected.push_back("ComboBox1");  // round the window and back to the selector
    for (size_t i = 0; i < expected.size() + 2 && (seen.empty() || seen.back() != "ComboBox1"); ++i) {
      PressKey(VK_TAB);
      PumpFor(30);
      seen.push_back(Host::FocusedName());
    }
    EXPECT_EQ(seen, expected);
    // Shift+Tab walks the same way back.
    std::vector<std::string> back;
    for (size_t i = 0; i + 1 < expected.size(); ++i) {
      PressKey(VK_TAB, true);
      PumpFor(30);
      back.push_back(Host::FocusedName());
    }
    std::vector<std::string> reversed(expected.rbegin() + 1, expected.rend());
    EXPECT_EQ(back, reversed);
  }
  notebook_->SetActivePage("General");
}

}  // namespace
}  // namespace gv::test
