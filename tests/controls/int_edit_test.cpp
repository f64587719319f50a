// The integer edit in a real window: typed characters arrive as WM_CHAR at the focused edit.
// Before <windows.h>, whose RegisterClass macro would rename fw::RegisterClass.
#include "framework/core/class_info.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "controls/int_edit.h"
#include "controls/register_controls.h"
#include "framework/core/component_reader.h"
#include "framework/core/desc_parser.h"
#include "tests/controls/test_host.h"
#include "tests/support/message_loop.h"

namespace gv {
namespace {

class IntEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.reset(TestHost::Attached());
    edit_ = new TIntEdit(host_.get());
    static_cast<fw::TControl*>(edit_)->SetParent(host_.get());
    edit_->SetBounds(10, 10, 80, 21);
    SetForegroundWindow(GetAncestor(host_->Handle(), GA_ROOT));
    edit_->SetFocus();
    gv::test::DispatchPending(true);
  }

  HWND Edit() { return edit_->Handle(); }

  std::unique_ptr<TestHost> host_;
  TIntEdit* edit_ = nullptr;
};

TEST_F(IntEditTest, OnlyDigitsAreTyped) {
  edit_->SetMaxLength(2);
  Type(Edit(), "1a2");
  EXPECT_EQ(edit_->Text(), "12");

  edit_->SetText("");
  edit_->SetMaxLength(0);
  Type(Edit(), "-5");
  EXPECT_EQ(edit_->Text(), "5");
  Type(Edit(), " +.,x\t\x01\x16\x7f\xe9");  // space, signs, letters and control characters
  EXPECT_EQ(edit_->Text(), "5");
  Type(Edit(), "\r");  // Enter passes the filter; a single-line edit inserts nothing
  EXPECT_EQ(edit_->Text(), "5");
  Type(Edit(), "0123456789");
  EXPECT_EQ(edit_->Text(), "50123456789");
}

TEST_F(IntEditTest, BackspaceDeletesAndTheLimitRefusesMore) {
  edit_->SetMaxLength(3);
  Type(Edit(), "1234");
  EXPECT_EQ(edit_->Text(), "123");
  Type(Edit(), "\b");
  EXPECT_EQ(edit_->Text(), "12");
  Type(Edit(), "\b\b\b");
  EXPECT_EQ(edit_->Text(), "");
}

TEST_F(IntEditTest, TextFromTheProgramOrPastedIsNotFiltered) {
  edit_->SetText("-1a");
  EXPECT_EQ(edit_->Text(), "-1a");
  SendMessageA(Edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x.5"));
  EXPECT_EQ(edit_->Text(), "x.5");

  const char kClip[] = "-42";
  ASSERT_TRUE(OpenClipboard(host_->Handle()));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof kClip);
  std::memcpy(GlobalLock(memory), kClip, sizeof kClip);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
  edit_->SetText("");
  SendMessageA(Edit(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit_->Text(), "-42");
}

TEST(IntEditClassTest, ReadFromTextWithTheRowsOfAnEdit) {
  RegisterControlClasses();
  fw::RegisterClasses<TestHost>();
  TestHost root;
  fw::ReadRoot(&root, fw::desc::Parse("object Host: TTestHost\n"
                                      "  object IntEdit11: TIntEdit\n"
                                      "    MaxLength = 4\n"
                                      "    Text = '640'\n"
                                      "  end\n"
                                      "end\n"));
  auto* edit = dynamic_cast<TIntEdit*>(root.FindComponent("IntEdit11"));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->MaxLength(), 4);
  EXPECT_EQ(edit->Text(), "640");
  EXPECT_EQ(edit->Color(), fw::clWindow);
}

}  // namespace
}  // namespace gv
