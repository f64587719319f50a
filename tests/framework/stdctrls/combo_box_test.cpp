// Combo boxes in a real window: the program's ItemIndex raises nothing, the user's pick raises
// OnClick then OnChange, typing in the field raises OnChange; the list follows Items.
#include <gtest/gtest.h>

#include "framework/stdctrls/combo_box.h"
#include "std_test_window.h"
#include "tests/support/message_loop.h"

namespace {

using fw::TComboBox;
using stdtest::Log;

class ComboBoxTest : public ::testing::Test {
 protected:
  TComboBox* AddCombo(fw::TComboBoxStyle style) {
    auto* combo = new TComboBox(&window_);
    combo->SetBounds(8, 8, 160, 23);
    combo->SetStyle(style);
    combo->Items()->SetStrings({"General", "Multiplayer", "Map", "Network"});
    static_cast<fw::TControl*>(combo)->SetParent(&window_);
    combo->onClick.fn = [this, combo](fw::Component*) {
      log_.push_back("click " + std::to_string(combo->ItemIndex()));
    };
    combo->onChange.fn = [this, combo](fw::Component*) { log_.push_back("change " + combo->Text()); };
    return combo;
  }
  // What the drop-down list does when the user picks an item: select it, tell the parent.
  static void PickInList(TComboBox* combo, int index) {
    HWND hwnd = combo->Handle();
    SendMessageA(hwnd, CB_SETCURSEL, index, 0);
    SendMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(hwnd));
  }
  static HWND EditField(TComboBox* combo) { return FindWindowExA(combo->Handle(), nullptr, "Edit", nullptr); }

  stdtest::Stage window_;
  Log log_;
};

TEST_F(ComboBoxTest, ItemIndexFromTheProgramRaisesNothing) {
  TComboBox* combo = AddCombo(fw::csDropDownList);
  combo->SetItemIndex(2);  // before the window exists
  HWND hwnd = combo->Handle();
  EXPECT_EQ(SendMessageA(hwnd, CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(combo->Text(), "Map");
  combo->SetItemIndex(0);
  combo->SetItemIndex(0);
  EXPECT_EQ(SendMessageA(hwnd, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(combo->Text(), "General");
  combo->SetItemIndex(17);  // out of range: no current item
  EXPECT_EQ(combo->ItemIndex(), -1);
  gv::test::DispatchPending();
  EXPECT_TRUE(log_.empty());
}

TEST_F(ComboBoxTest, UsersPickRaisesClickThenChange) {
  TComboBox* combo = AddCombo(fw::csDropDown);
  PickInList(combo, 3);
  EXPECT_EQ(log_, (Log{"click 3", "change Network"}));  // the field already shows the pick
  EXPECT_EQ(combo->ItemIndex(), 3);
}

TEST_F(ComboBoxTest, ArrowKeysOnAFocusedDropDownListPickItems) {
  TComboBox* combo = AddCombo(fw::csDropDownList);
  combo->SetItemIndex(0);
  combo->SetFocus();
  stdtest::PressKey(combo->Handle(), VK_DOWN);
  stdtest::PressKey(combo->Handle(), VK_DOWN);
  EXPECT_EQ(log_, (Log{"click 1", "change Multiplayer", "click 2", "change Map"}));
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_TRUE(combo->WantsArrows());
}

TEST_F(ComboBoxTest, TypingInTheFieldRaisesChangeOnly) {
  TComboBox* combo = AddCombo(fw::csDropDown);
  HWND field = EditField(combo);
  ASSERT_NE(field, nullptr);
  SetFocus(field);
  stdtest::Type(field, "Ma");
  EXPECT_EQ(log_, (Log{"change M", "change Ma"}));
  EXPECT_EQ(combo->Text(), "Ma");
}

TEST_F(ComboBoxTest, TextFromTheProgramRaisesNothing) {
  TComboBox* combo = AddCombo(fw::csDropDown);
  combo->Handle();
  combo->SetText("typed");
  EXPECT_EQ(combo->Text(), "typed");
  TComboBox* list = AddCombo(fw::csDropDownList);
  list->Handle();
  list->SetText("network");  // a list shows only its items: this selects one
  EXPECT_EQ(list->ItemIndex(), 3);
  list->SetText("Elsewhere");
  EXPECT_EQ(list->ItemIndex(), -1);
  gv::test::DispatchPending();
  EXPECT_TRUE(log_.empty());
}

TEST_F(ComboBoxTest, WindowFollowsItems) {
  TComboBox* combo = AddCombo(fw::csDropDownList);
  HWND hwnd = combo->Handle();
  combo->SetItemIndex(1);
  // Added at the end: the current item stays.
  combo->Items()->SetStrings({"General", "Multiplayer", "Map", "Network", "Extra"});
  EXPECT_EQ(SendMessageA(hwnd, CB_GETCOUNT, 0, 0), 5);
  EXPECT_EQ(combo->ItemIndex(), 1);
  char text[32] = {};
  SendMessageA(hwnd, CB_GETLBTEXT, 4, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "Extra");
  combo->Items()->SetStrings({"One", "Two"});  // a new list: no current item
  EXPECT_EQ(SendMessageA(hwnd, CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(combo->ItemIndex(), -1);
  combo->Items()->Clear();
  EXPECT_EQ(SendMessageA(hwnd, CB_GETCOUNT, 0, 0), 0);
  EXPECT_TRUE(log_.empty());
}

TEST_F(ComboBoxTest, NewStyleKeepsItemsAndCurrentItem) {
  TComboBox* combo = AddCombo(fw::csDropDown);
  HWND old = combo->Handle();
  combo->SetItemIndex(2);
  combo->SetStyle(fw::csDropDownList);
  HWND hwnd = combo->Handle();
  EXPECT_NE(hwnd, old);
  EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
  EXPECT_EQ(SendMessageA(hwnd, CB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(combo->Text(), "Map");
  EXPECT_TRUE(log_.empty());
}

TEST_F(ComboBoxTest, FlatComboPaints) {
  TComboBox* combo = AddCombo(fw::csDropDownList);
  combo->SetCtl3D(false);
  combo->SetItemIndex(0);
  UpdateWindow(window_.Handle());
  RedrawWindow(combo->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  // The sunken edge is painted over in the field's colour.
  HDC dc = GetDC(combo->Handle());
  EXPECT_EQ(GetPixel(dc, 0, 0), fw::ColorToRGB(fw::clWindow));
  ReleaseDC(combo->Handle(), dc);
}

}  // namespace
