// Radio buttons in a real window: exclusion among the buttons of one parent only, the click
// raised by becoming checked alone (never by the focus), the tab stop on the checked button.
#include <gtest/gtest.h>

#include "framework/stdctrls/panel.h"
#include "framework/stdctrls/radio_button.h"
#include "std_test_window.h"
#include "tests/support/message_loop.h"

namespace {

using fw::TRadioButton;
using stdtest::Log;

class RadioButtonTest : public ::testing::Test {
 protected:
  RadioButtonTest() {
    for (int g = 0; g < 2; ++g) {
      auto* panel = new fw::TPanel(&window_);
      panel->SetBounds(8 + g * 150, 8, 140, 80);
      static_cast<fw::TControl*>(panel)->SetParent(&window_);
      for (int i = 0; i < 2; ++i) {
        auto* radio = new TRadioButton(&window_);
        radio->SetName(std::string(1, static_cast<char>('A' + g)) + std::to_string(i + 1));
        radio->SetCaption(radio->Name());
        radio->SetBounds(8, 8 + i * 24, 100, 17);
        static_cast<fw::TControl*>(radio)->SetParent(panel);
        radio->onClick.fn = [this, radio](fw::Component*) { log_.push_back(radio->Name()); };
        radios_[g][i] = radio;
      }
    }
  }
  static bool Marked(TRadioButton* radio) {
    return SendMessageA(radio->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }

  stdtest::Stage window_;
  TRadioButton* radios_[2][2];
  Log log_;
};

TEST_F(RadioButtonTest, UserClickChecksAndUnchecksOnlyTheSiblings) {
  TRadioButton *a1 = radios_[0][0], *a2 = radios_[0][1], *b1 = radios_[1][0];
  b1->SetChecked(true);
  log_.clear();
  stdtest::Click(a1->Handle());
  EXPECT_EQ(log_, (Log{"A1"}));
  stdtest::Click(a2->Handle());
  EXPECT_EQ(log_, (Log{"A1", "A2"}));  // A1 going off raises nothing
  EXPECT_FALSE(a1->Checked());
  EXPECT_FALSE(Marked(a1));
  EXPECT_TRUE(Marked(a2));
  EXPECT_TRUE(b1->Checked());  // another parent's group stays as it was
  EXPECT_TRUE(Marked(b1));
}

TEST_F(RadioButtonTest, ProgramCheckRaisesClickOnceAndUncheckNothing) {
  TRadioButton *a1 = radios_[0][0], *a2 = radios_[0][1];
  a1->SetChecked(true);
  a1->SetChecked(true);
  EXPECT_EQ(log_, (Log{"A1"}));
  a1->SetChecked(false);
  EXPECT_EQ(log_, (Log{"A1"}));
  EXPECT_FALSE(a2->Checked());  // unchecking does not pass the mark on
  a2->SetChecked(true);
  a1->SetChecked(true);
  EXPECT_EQ(log_, (Log{"A1", "A2", "A1"}));
  EXPECT_FALSE(a2->Checked());
}

TEST_F(RadioButtonTest, ClickingTheCheckedButtonRaisesNothing) {
  TRadioButton* a1 = radios_[0][0];
  a1->SetChecked(true);
  log_.clear();
  stdtest::Click(a1->Handle());
  EXPECT_TRUE(log_.empty());
  EXPECT_TRUE(Marked(a1));
}

TEST_F(RadioButtonTest, OnlyTheCheckedButtonIsATabStop) {
  TRadioButton *a1 = radios_[0][0], *a2 = radios_[0][1];
  EXPECT_FALSE(a1->TabStop());
  a1->SetChecked(true);
  EXPECT_TRUE(a1->TabStop());
  a2->SetChecked(true);
  EXPECT_FALSE(a1->TabStop());
  EXPECT_TRUE(a2->TabStop());
  EXPECT_FALSE(a2->WantsArrows());
}

TEST_F(RadioButtonTest, HandlerThatChecksAnotherGroupNests) {
  TRadioButton *a2 = radios_[0][1], *b2 = radios_[1][1];
  a2->onClick.fn = [&](fw::Component*) {
    log_.push_back("A2 begin");
    b2->SetChecked(true);
    log_.push_back("A2 end");
  };
  window_.Handle();
  stdtest::Click(a2->Handle());
  EXPECT_EQ(log_, (Log{"A2 begin", "B2", "A2 end"}));
}

TEST_F(RadioButtonTest, TheFocusChoosesNothingAndSpaceChooses) {
  TRadioButton *a1 = radios_[0][0], *a2 = radios_[0][1];
  a1->SetChecked(true);
  log_.clear();
  a2->SetFocus();
  gv::test::DispatchPending();
  EXPECT_TRUE(log_.empty());
  EXPECT_FALSE(a2->Checked());
  EXPECT_FALSE(Marked(a2));
  EXPECT_TRUE(a1->Checked());
  stdtest::PressKey(a2->Handle(), VK_SPACE, ' ');
  gv::test::DispatchPending();
  EXPECT_EQ(log_, (Log{"A2"}));
  EXPECT_TRUE(a2->Checked());
  EXPECT_FALSE(a1->Checked());
}

}  // namespace
