// The hint machinery under a real mouse pointer: the status text handed to onHint, and the
// tool tip that only controls with ShowHint get.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/win32/application.h"
#include "framework/win32/hint_tracker.h"
#include "tests/framework/win32/test_controls.h"
#include "tests/support/input.h"
#include "tests/support/message_loop.h"

namespace fw::test {
namespace {

using gv::test::MoveMouse;
using gv::test::PumpFor;
using gv::test::PumpUntil;

const char kHintsText[] = R"(object Hints: TTestForm
  Left = 150
  Top = 120
  Width = 420
  Height = 320
  Caption = 'Hints'
  object Box1: TTestBox
    Left = 0
    Top = 0
    Width = 400
    Height = 120
    Hint = 'Box|The box'
    object Plain: TTestCheck
      Left = 8
      Top = 8
      Width = 100
      Height = 20
    end
    object Shape: TTestShape
      Left = 150
      Top = 8
      Width = 40
      Height = 40
      Hint = 'Shape tip|The shape'
      ShowHint = True
    end
    object Tipless: TTestCheck
      Left = 8
      Top = 60
      Width = 100
      Height = 20
      Hint = 'Not shown|Long part'
    end
  end
  object Whole: TTestCheck
    Left = 8
    Top = 150
    Width = 100
    Height = 20
    Hint = 'No bar'
  end
  object Blank: TTestCheck
    Left = 8
    Top = 200
    Width = 100
    Height = 20
    Hint = 'Run| '
    ShowHint = True
  end
  object Frame: TTestBox
    Left = 200
    Top = 150
    Width = 120
    Height = 30
    Hint = 'Frame'
  end
  object Framed: TTestCheck
    Left = 202
    Top = 152
    Width = 116
    Height = 26
    Hint = 'Framed'
  end
end
)";

const POINT kOutside{1000, 740};  // on no window of the program

class HintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestClasses();
    form_.reset(Application()->CreateFormFromText<TTestForm>(kHintsText));
    Application()->onHint.fn = [this](Component*) { status_.push_back(Application()->Hint()); };
    form_->Show();
    ASSERT_TRUE(PumpUntil([this] { return GetActiveWindow() == form_->Handle(); }));
    MoveMouse(kOutside);
    PumpFor(100);
    status_.clear();
  }
  void TearDown() override { Application()->onHint = Method{}; }

  // Puts the pointer on the middle of a control and lets the loop see it.
  void PointAt(const char* name) {
    auto* c = static_cast<TControl*>(form_->FindComponent(name));
    MoveMouse(c->ClientToScreen(POINT{c->Width() / 2, c->Height() / 2}));
    PumpFor(100);
  }
  std::string TipText() const {
    HWND tip = Application()->LoopStep<HintTracker>()->ToolTipWindow();
    if (!tip || !IsWindowVisible(tip)) return "<none>";
    char text[256] = "";
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = tip;
    tool.uId = 1;
    tool.lpszText = text;
    SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
  }

  std::unique_ptr<TTestForm> form_;
  std::vector<std::string> status_;
};

TEST_F(HintTest, StatusTextIsTheLongPartOfTheNearestHint) {
  // The pointer at a place: the application's hint, and the status line as the hint handler last
  // set it, once they have held for a moment. In Wine's desktop a move can reach the window as the
  // new place, the old one and the new one again, so the handler may run more than once for it.
  auto expectHintAt = [this](POINT screen, const char* hint) {
    MoveMouse(screen);
    DWORD since = 0;
    PumpUntil(
        [&] {
          const bool shown = Application()->Hint() == hint && !status_.empty() && status_.back() == hint;
          if (!shown)
            since = 0;
          else if (!since)
            since = GetTickCount();
          return shown && GetTickCount() - since >= 200;
        },
        2000);
    EXPECT_EQ(Application()->Hint(), hint);
    EXPECT_EQ(status_.empty() ? "<none>" : status_.back(), hint);
  };
  auto middleOf = [this](const char* name) {
    auto* c = static_cast<TControl*>(form_->FindComponent(name));
    return c->ClientToScreen(POINT{c->Width() / 2, c->Height() / 2});
  };
  expectHintAt(middleOf("Plain"), "The box");    // no hint: its container's
  expectHintAt(middleOf("Shape"), "The shape");  // a graphic control
  expectHintAt(middleOf("Tipless"), "Long part");
  expectHintAt(middleOf("Whole"), "No bar");  // no "|": the whole hint
  expectHintAt(middleOf("Blank"), " ");
  expectHintAt(middleOf("Framed"), "Framed");                // written after the frame it lies on: above it
  expectHintAt(form_->ClientToScreen(POINT{300, 250}), "");  // the form's empty area
  expectHintAt(middleOf("Box1"), "The box");
  expectHintAt(kOutside, "");  // outside every window of the program: found at idle time
}

TEST_F(HintTest, ToolTipShowsTheShortPartOnlyForShowHintControls) {
  PointAt("Tipless");
  PumpFor(HintTracker::kShowPause + 300);
  EXPECT_EQ(TipText(), "<none>");
  PointAt("Shape");
  EXPECT_EQ(TipText(), "<none>");  // not before the pause
  PumpFor(HintTracker::kShowPause + 300);
  EXPECT_EQ(TipText(), "Shape tip");
  PointAt("Plain");  // leaving the control takes the tip away
  EXPECT_EQ(TipText(), "<none>");
  PointAt("Blank");
  PumpFor(HintTracker::kShowPause + 300);
  EXPECT_EQ(TipText(), "Run");
}

}  // namespace
}  // namespace fw::test
