// The Tab order of every page, each stop of it visited: the boxes that enable other controls
// are clicked first, as a user would, and a radio group is walked once with each of its buttons
// checked, since only the checked one takes the focus. A window of its own, as the clicks leave
// it far from a first start.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "framework/stdctrls/notebook.h"
#include "framework/stdctrls/radio_button.h"
#include "tests/app/frm_main_host.h"
#include "tests/support/input.h"
#include "tests/support/message_loop.h"

namespace gv::test {
namespace {

using Host = FrmMainHost;
using Names = std::vector<const char*>;

struct Page {
  const char* name;
  Names order;                      // the controls in Tab order
  Names enabling;                   // boxes the rules let the user check, which enable the rest of the page
  std::vector<Names> radioChoices;  // the radio buttons checked for each walk
};

// In page order: checking "Using GLQuake" takes "Winmem:" away, and "Using WinQuake" then takes
// "Using GLQuake" away, each after its page has been walked.
const std::vector<Page> kPages = {
    {"General",
     {"IntEdit1", "Edit1", "IntEdit2", "IntEdit3", "CheckBox6", "CheckBox7", "CheckBox8", "CheckBox9"},
     {},
     {{}}},
    {"Multiplayer",
     {"CheckBox1", "IntEdit5", "CheckBox2", "CheckBox3", "CheckBox4", "IntEdit6", "IntEdit7", "CheckBox5",
      "IntEdit8", "RadioButton1", "RadioButton2", "IntEdit4", "RadioButton3", "RadioButton4"},
     {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4"},
     {{"RadioButton1", "RadioButton3"}, {"RadioButton2", "RadioButton4"}}},
    {"Network",
     {"CheckBox10", "CheckBox11", "CheckBox12", "CheckBox13", "CheckBox14", "IntEdit9", "CheckBox15",
      "Edit2"},
     {"CheckBox14", "CheckBox15"},
     {{}}},
    {"Memory",
     {"CheckBox17", "IntEdit10", "RadioButton5", "RadioButton6", "RadioButton7", "IntEdit14", "CheckBox23"},
     {"CheckBox17", "CheckBox23"},
     {{"RadioButton5"}, {"RadioButton6"}, {"RadioButton7"}}},
    {"GLQuake",
     {"CheckBox18", "IntEdit11", "IntEdit12", "CheckBox19", "CheckBox20", "CheckBox22", "IntEdit13",
      "CheckBox21"},
     {"CheckBox21", "CheckBox18"},
     {{}}},
    {"WinQuake",
     {"RadioButton8", "RadioButton9", "RadioButton10", "RadioButton11", "RadioButton12", "RadioButton13",
      "CheckBox16"},
     {"CheckBox16"},
     {{"RadioButton8"},
      {"RadioButton9"},
      {"RadioButton10"},
      {"RadioButton11"},
      {"RadioButton12"},
      {"RadioButton13"}}},
    {"Extra", {"editExtra"}, {}, {{}}},
    {"Map",
     {"editChosenMap", "RadioButton14", "RadioButton15", "ComboBox2", "ComboBox3"},
     {},
     {{"RadioButton14"}, {"RadioButton15"}}},
};

bool Checked(HWND button) { return ::SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// A real click on the square or circle of a check box or radio button; true once it is checked.
bool ClickToCheck(const char* name) {
  HWND button = Host::Handle(name);
  if (Checked(button)) return true;
  RECT r;
  ::GetClientRect(button, &r);
  ClickAt(ScreenPoint(button, 6, r.bottom / 2));
  return PumpUntil([button] { return Checked(button); }, 1500);
}

// Disabled controls, and radio buttons other than the checked one of their group, are passed.
bool TakesTabFocus(const char* name) {
  HWND h = Host::Handle(name);
  if (!::IsWindowEnabled(h) || !::IsWindowEnabled(::GetParent(h))) return false;
  if (auto* radio = dynamic_cast<fw::TRadioButton*>(Host::Find(name))) return radio->Checked();
  return true;
}

std::vector<std::string> Press(WORD vk, bool shift, size_t times, bool untilSelector) {
  std::vector<std::string> seen;
  for (size_t i = 0; i < times && (!untilSelector || seen.empty() || seen.back() != "ComboBox1"); ++i) {
    PressKey(vk, shift);
    PumpFor(30);
    seen.push_back(Host::FocusedName());
  }
  return seen;
}

TEST(TabOrder, VisitsEveryControlOfEveryPageInItsOrderAfterTheSelector) {
  auto* notebook = dynamic_cast<fw::TNotebook*>(Host::Find("Notebook1"));
  ASSERT_NE(notebook, nullptr);
  for (const Page& page : kPages) {
    SCOPED_TRACE(page.name);
    notebook->SetActivePage(page.name);
    PumpFor(30);
    for (const char* box : page.enabling) ASSERT_TRUE(ClickToCheck(box)) << box << " did not become checked";
    std::set<std::string> visited;
    for (const Names& radios : page.radioChoices) {
      for (const char* radio : radios) ASSERT_TRUE(ClickToCheck(radio)) << radio << " did not become checked";
      Host::Activate();
      std::vector<std::string> expected;
      for (const char* name : page.order)
        if (TakesTabFocus(name)) expected.push_back(name);
      expected.push_back("ComboBox1");  // round the window and back to the selector
      const std::vector<std::string> seen = Press(VK_TAB, false, expected.size() + 2, true);
      EXPECT_EQ(seen, expected);
      visited.insert(seen.begin(), seen.end());
      // Shift+Tab walks the same way back.
      const std::vector<std::string> back = Press(VK_TAB, true, expected.size() - 1, false);
      EXPECT_EQ(back, std::vector<std::string>(expected.rbegin() + 1, expected.rend()));
    }
    for (const char* name : page.order) EXPECT_EQ(visited.count(name), 1u) << name << " never took the focus";
  }
}

}  // namespace
}  // namespace gv::test
