// The keyboard focus in a real window, driven by real key presses and clicks: tab order through
// nested containers, the arrow keys, and the enter events on the way.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/win32/application.h"
#include "tests/framework/win32/test_controls.h"
#include "tests/support/input.h"
#include "tests/support/message_loop.h"

namespace fw::test {
namespace {

using gv::test::CentreOf;
using gv::test::ClickAt;
using gv::test::PressKey;
using gv::test::PumpUntil;
using Names = std::vector<std::string>;

const char kKeysText[] = R"(object Keys: TTestForm
  Left = 200
  Top = 150
  Width = 400
  Height = 320
  ActiveControl = First
  Caption = 'Keys'
  object First: TTestCheck
    Left = 8
    Top = 8
    Width = 100
    Height = 20
    TabOrder = 0
    OnEnter = ControlEnter
  end
  object Box1: TTestBox
    Left = 8
    Top = 40
    Width = 300
    Height = 100
    TabOrder = 2
    object Inner1: TTestCheck
      Left = 8
      Top = 8
      Width = 100
      Height = 20
      TabOrder = 0
      OnClick = ControlClick
      OnEnter = ControlEnter
    end
    object Inner2: TTestCheck
      Left = 8
      Top = 32
      Width = 100
      Height = 20
      TabOrder = 1
      Enabled = False
      OnEnter = ControlEnter
    end
    object Inner3: TTestCheck
      Left = 8
      Top = 56
      Width = 100
      Height = 20
      TabOrder = 2
      OnClick = ControlClick
      OnEnter = ControlEnter
    end
    object Inner4: TTestCheck
      Left = 150
      Top = 8
      Width = 100
      Height = 20
      TabOrder = 3
      TabStop = False
      OnEnter = ControlEnter
    end
  end
  object NoStop: TTestCheck
    Left = 8
    Top = 150
    Width = 100
    Height = 20
    TabOrder = 3
    TabStop = False
    OnEnter = ControlEnter
  end
  object Page: TTestBox
    Left = 8
    Top = 180
    Width = 300
    Height = 40
    TabOrder = 4
    Visible = False
    object OnHiddenPage: TTestCheck
      Left = 8
      Top = 8
      Width = 100
      Height = 20
      TabOrder = 0
      OnEnter = ControlEnter
    end
  end
  object Last: TTestCheck
    Left = 8
    Top = 240
    Width = 100
    Height = 20
    TabOrder = 1
    OnEnter = ControlEnter
  end
end
)";

class FocusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestClasses();
    form_.reset(Application()->CreateFormFromText<TTestForm>(kKeysText));
    form_->Show();
    ASSERT_TRUE(PumpUntil([this] { return GetActiveWindow() == form_->Handle(); }));
  }

  std::string FocusedName() const {
    TWinControl* c = TWinControl::FromHandle(GetFocus());
    return c ? c->Name() : "";
  }
  // The names focused after each of the keys, pressed one at a time.
  Names Press(const std::vector<WORD>& keys, bool shift = false) {
    Names seen;
    for (WORD key : keys) {
      std::string before = FocusedName();
      PressKey(key, shift);
      PumpUntil([&] { return FocusedName() != before; }, 500);
      seen.push_back(FocusedName());
    }
    return seen;
  }
  TWinControl* Control(const char* name) { return static_cast<TWinControl*>(form_->FindComponent(name)); }

  std::unique_ptr<TTestForm> form_;
};

TEST_F(FocusTest, TabVisitsNestedControlsInOrderSkippingThoseThatCannotTakeIt) {
  // ActiveControl from the text took the focus when the form became active.
  EXPECT_EQ(FocusedName(), "First");
  EXPECT_EQ(form_->log_, Names{"Enter:First"});
  // Last, written last, has TabOrder 1: straight after First.
  EXPECT_EQ(Press({VK_TAB, VK_TAB, VK_TAB, VK_TAB}), (Names{"Last", "Inner1", "Inner3", "First"}));
  EXPECT_EQ(Press({VK_TAB, VK_TAB}, true), (Names{"Inner3", "Inner1"}));
  EXPECT_EQ(form_->log_, (Names{"Enter:First", "Enter:Last", "Enter:Inner1", "Enter:Inner3", "Enter:First",
                                "Enter:Inner3", "Enter:Inner1"}));
  EXPECT_EQ(form_->ActiveControl(), Control("Inner1"));
}

TEST_F(FocusTest, ArrowKeysMoveAmongSiblingsWithoutTheTabStopCheck) {
  Control("Inner1")->SetFocus();
  EXPECT_EQ(Press({VK_DOWN, VK_DOWN, VK_RIGHT}), (Names{"Inner3", "Inner4", "Inner1"}));
  EXPECT_EQ(Press({VK_UP, VK_LEFT}), (Names{"Inner4", "Inner3"}));
}

TEST_F(FocusTest, ClickRunsOnEnterBeforeTheClickHandlerAndNotAgainAfterReactivation) {
  form_->log_.clear();
  ClickAt(CentreOf(Control("Inner3")->Handle()));
  ASSERT_TRUE(PumpUntil([this] { return form_->log_.size() >= 2; }));
  EXPECT_EQ(form_->log_, (Names{"Enter:Inner3", "Click:Inner3"}));
  EXPECT_TRUE(static_cast<TTestCheck*>(Control("Inner3"))->Checked());

  // Another window takes the activation and gives it back: the focus returns, no enter event.
  TForm other(nullptr);
  other.SetBounds(600, 100, 200, 100);
  other.Show();
  ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == other.Handle(); }));
  SetActiveWindow(form_->Handle());
  ASSERT_TRUE(PumpUntil([this] { return FocusedName() == "Inner3"; }));
  EXPECT_EQ(form_->log_.size(), 2u);
}

}  // namespace
}  // namespace fw::test
