// Notebooks in a real window: pages by name, one visible at a time, the keyboard focus moved
// into the new page when it was inside the notebook.
#include <gtest/gtest.h>

#include "framework/stdctrls/check_box.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/notebook.h"
#include "framework/stdctrls/panel.h"
#include "framework/stdctrls/radio_button.h"
#include "std_test_window.h"

namespace {

using fw::TNotebook;
using fw::TPage;

class NotebookTest : public ::testing::Test {
 protected:
  NotebookTest() {
    notebook_ = new TNotebook(&window_);
    notebook_->SetBounds(8, 40, 293, 165);
    static_cast<fw::TControl*>(notebook_)->SetParent(&window_);
    for (const char* name : {"General", "Multiplayer", "Map"}) notebook_->AddPage(name);
    notebook_->onPageChanged.fn = [this](fw::Component*) { ++changes_; };
    outside_ = new fw::TEdit(&window_);
    outside_->SetBounds(8, 8, 100, 21);
    static_cast<fw::TControl*>(outside_)->SetParent(&window_);
  }
  TPage* Page(int i) const { return notebook_->Pages()[i]; }
  template <class T>
  T* Put(int page, int top) {
    auto* control = new T(&window_);
    control->SetBounds(8, top, 120, 20);
    static_cast<fw::TControl*>(control)->SetParent(Page(page));
    return control;
  }
  bool Shown(int i) const { return IsWindowVisible(Page(i)->HandleIfAllocated()) != FALSE; }

  stdtest::Stage window_;
  TNotebook* notebook_;
  fw::TEdit* outside_;
  int changes_ = 0;
};

TEST_F(NotebookTest, PagesAreShownByName) {
  window_.Handle();
  EXPECT_EQ(notebook_->ActivePage(), "General");
  EXPECT_TRUE(Shown(0));
  EXPECT_FALSE(Shown(1));
  notebook_->SetActivePage("map");  // names without regard to case
  EXPECT_EQ(notebook_->PageIndex(), 2);
  EXPECT_EQ(notebook_->ActivePage(), "Map");
  EXPECT_FALSE(Shown(0));
  EXPECT_TRUE(Shown(2));
  EXPECT_EQ(changes_, 1);
  // Pages fill the notebook.
  RECT r;
  GetWindowRect(Page(2)->Handle(), &r);
  EXPECT_EQ(r.right - r.left, 293);
  EXPECT_EQ(r.bottom - r.top, 165);
}

TEST_F(NotebookTest, UnknownNameAndTheVisiblePageChangeNothing) {
  window_.Handle();
  notebook_->SetActivePage("Multiplayer");
  notebook_->SetActivePage("Multiplayer");
  notebook_->SetActivePage("Nowhere");
  notebook_->SetActivePage("");
  notebook_->SetPageIndex(3);
  notebook_->SetPageIndex(-1);
  EXPECT_EQ(changes_, 1);
  EXPECT_EQ(notebook_->PageIndex(), 1);
  EXPECT_TRUE(Shown(1));
  EXPECT_FALSE(Shown(0));
  EXPECT_FALSE(Shown(2));
}

TEST_F(NotebookTest, FocusInsideMovesToTheFirstTabStopOfTheNewPage) {
  auto* name = Put<fw::TEdit>(0, 10);
  auto* disabled = Put<fw::TCheckBox>(1, 10);
  disabled->SetEnabled(false);
  auto* unchecked = Put<fw::TRadioButton>(1, 34);  // not a tab stop while unchecked
  auto* frame = Put<fw::TPanel>(1, 58);
  auto* framed = new fw::TEdit(&window_);
  static_cast<fw::TControl*>(framed)->SetParent(frame);
  auto* later = Put<fw::TCheckBox>(1, 90);
  later->SetTabOrder(0);  // first in tab order on its page, though made last
  window_.Handle();
  (void)unchecked;
  (void)framed;

  name->SetFocus();
  notebook_->SetActivePage("Multiplayer");
  EXPECT_EQ(GetFocus(), later->Handle());

  later->SetTabOrder(3);  // now the framed edit comes first
  notebook_->SetActivePage("General");
  EXPECT_EQ(GetFocus(), name->Handle());
  notebook_->SetActivePage("Multiplayer");
  EXPECT_EQ(GetFocus(), framed->Handle());
}

TEST_F(NotebookTest, FocusOutsideStaysWhereItIs) {
  Put<fw::TEdit>(1, 10);
  window_.Handle();
  outside_->SetFocus();
  notebook_->SetActivePage("Multiplayer");
  EXPECT_EQ(GetFocus(), outside_->Handle());
}

TEST_F(NotebookTest, PageWithNothingToFocusKeepsTheFocusOffTheHiddenPage) {
  auto* name = Put<fw::TEdit>(0, 10);
  window_.Handle();
  name->SetFocus();
  notebook_->SetActivePage("Map");
  HWND focus = GetFocus();
  EXPECT_NE(focus, name->Handle());
  EXPECT_TRUE(focus == notebook_->Handle() || IsChild(notebook_->Handle(), focus));
}

TEST_F(NotebookTest, PagesBelongToTheNotebook) {
  for (TPage* page : notebook_->Pages()) {
    EXPECT_EQ(page->Owner(), notebook_);
    EXPECT_EQ(page->Parent(), notebook_);
    EXPECT_TRUE(page->Name().empty());
  }
  EXPECT_EQ(notebook_->ChildOwner(), notebook_);
}

}  // namespace
