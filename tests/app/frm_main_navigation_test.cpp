// Page selector, pop-up menu and notebook in step, driven by the user's keys and clicks.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "framework/stdctrls/combo_box.h"
#include "framework/stdctrls/notebook.h"
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

}  // namespace
}  // namespace gv::test
