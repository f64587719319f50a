// Check boxes in a real window: every change of state raises the click once, whatever caused
// it, and handlers nest.
#include <gtest/gtest.h>

#include "framework/core/component_reader.h"
#include "framework/core/desc_parser.h"
#include "framework/stdctrls/check_box.h"
#include "std_test_window.h"
#include "tests/support/message_loop.h"

namespace {

using fw::TCheckBox;
using stdtest::Log;

class CheckBoxTest : public ::testing::Test {
 protected:
  TCheckBox* AddBox(const std::string& name, int top) {
    auto* box = new TCheckBox(&window_);
    box->SetName(name);
    box->SetCaption(name);
    box->SetBounds(8, top, 120, 17);
    static_cast<fw::TControl*>(box)->SetParent(&window_);
    box->onClick.fn = [this, box](fw::Component*) {
      log_.push_back(box->Name() + (box->Checked() ? " on" : " off"));
    };
    return box;
  }
  static LRESULT Mark(TCheckBox* box) { return SendMessageA(box->Handle(), BM_GETCHECK, 0, 0); }

  stdtest::Stage window_;
  Log log_;
};

TEST_F(CheckBoxTest, MouseClickTogglesAndRaisesClickOnce) {
  TCheckBox* box = AddBox("Box", 8);
  window_.Handle();
  stdtest::Click(box->Handle());
  EXPECT_EQ(log_, (Log{"Box on"}));
  EXPECT_EQ(Mark(box), BST_CHECKED);
  EXPECT_EQ(GetFocus(), box->Handle());
  stdtest::Click(box->Handle());
  EXPECT_EQ(log_, (Log{"Box on", "Box off"}));
  EXPECT_EQ(Mark(box), BST_UNCHECKED);
}

TEST_F(CheckBoxTest, ReleaseOutsideTheBoxIsNoClick) {
  TCheckBox* box = AddBox("Box", 8);
  HWND hwnd = box->Handle();
  PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  PostMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(300, 4));
  gv::test::DispatchPending();
  EXPECT_TRUE(log_.empty());
  EXPECT_FALSE(box->Checked());
}

TEST_F(CheckBoxTest, SpaceKeyTogglesTheFocusedBox) {
  TCheckBox* box = AddBox("Box", 8);
  box->SetFocus();
  stdtest::PressKey(box->Handle(), VK_SPACE, ' ');
  EXPECT_EQ(log_, (Log{"Box on"}));
  EXPECT_EQ(Mark(box), BST_CHECKED);
  stdtest::PressKey(box->Handle(), VK_SPACE, ' ');
  EXPECT_EQ(log_, (Log{"Box on", "Box off"}));
}

TEST_F(CheckBoxTest, ProgramChangeRaisesOnceAndThePresentStateNothing) {
  TCheckBox* box = AddBox("Box", 8);
  box->SetChecked(false);
  EXPECT_TRUE(log_.empty());
  box->SetChecked(true);
  box->SetChecked(true);
  box->SetState(fw::cbChecked);
  EXPECT_EQ(log_, (Log{"Box on"}));
  EXPECT_EQ(Mark(box), BST_CHECKED);  // window made after the change shows it
  box->SetChecked(false);
  EXPECT_EQ(log_, (Log{"Box on", "Box off"}));
  EXPECT_EQ(Mark(box), BST_UNCHECKED);  // and a window that exists follows
}

TEST_F(CheckBoxTest, HandlersNestAndRunToCompletion) {
  TCheckBox* a = AddBox("A", 8);
  TCheckBox* b = AddBox("B", 32);
  TCheckBox* c = AddBox("C", 56);
  window_.Handle();
  a->onClick.fn = [&](fw::Component*) {
    log_.push_back("A begin");
    b->SetChecked(a->Checked());
    log_.push_back("A end");
  };
  b->onClick.fn = [&](fw::Component*) {
    log_.push_back("B begin");
    c->SetChecked(!b->Checked());  // unchanged when B goes on: raises nothing
    c->SetChecked(b->Checked());
    log_.push_back("B end");
  };
  stdtest::Click(a->Handle());
  EXPECT_EQ(log_, (Log{"A begin", "B begin", "C on", "B end", "A end"}));
  EXPECT_TRUE(c->Checked());
  EXPECT_EQ(Mark(c), BST_CHECKED);
}

TEST_F(CheckBoxTest, RestoreThroughTheLoaderRaisesClickLikeTheUser) {
  TCheckBox* box = AddBox("CheckBox1", 8);
  auto block = fw::desc::Parse("object CheckBox1: TCheckBox\n  State = cbChecked\nend\n");
  fw::ApplyProperties(box, block.props, box->Owner());
  EXPECT_EQ(log_, (Log{"CheckBox1 on"}));
  fw::ApplyProperties(box, block.props, box->Owner());
  EXPECT_EQ(log_.size(), 1u);
  fw::ApplyProperties(box, fw::desc::Parse("object CheckBox1: TCheckBox\n  Checked = False\nend\n").props,
                      box->Owner());
  EXPECT_EQ(log_, (Log{"CheckBox1 on", "CheckBox1 off"}));
}

TEST_F(CheckBoxTest, AllowGrayedClicksThroughThreeStates) {
  TCheckBox* box = AddBox("Box", 8);
  box->SetAllowGrayed(true);
  HWND hwnd = box->Handle();
  stdtest::Click(hwnd);
  EXPECT_EQ(box->State(), fw::cbGrayed);
  EXPECT_EQ(Mark(box), BST_INDETERMINATE);
  stdtest::Click(hwnd);
  EXPECT_EQ(box->State(), fw::cbChecked);
  stdtest::Click(hwnd);
  EXPECT_EQ(box->State(), fw::cbUnchecked);
  EXPECT_EQ(log_, (Log{"Box off", "Box on", "Box off"}));
}

TEST_F(CheckBoxTest, ArrowKeysAreNotTheBoxs) { EXPECT_FALSE(AddBox("Box", 8)->WantsArrows()); }

}  // namespace
