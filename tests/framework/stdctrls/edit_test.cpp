// Edit boxes in a real window: typed text, the length limit, read-only, OnChange for the
// user's and the program's changes, the key-press hook and the border styles.
#include <gtest/gtest.h>

#include <cctype>

#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/panel.h"
#include "std_test_window.h"
#include "tests/support/message_loop.h"

namespace {

using fw::TEdit;

// Drops "x" and types "a" as "A".
class FilteringEdit : public TEdit {
 public:
  using TEdit::TEdit;

 protected:
  void KeyPress(char& key) override {
    if (key == 'x') key = 0;
    if (key == 'a') key = 'A';
  }
};

class EditTest : public ::testing::Test {
 protected:
  template <class T = TEdit>
  T* AddEdit() {
    auto* edit = new T(&window_);
    edit->SetBounds(8, 8 + 30 * static_cast<int>(window_.Controls().size()), 150, 21);
    static_cast<fw::TControl*>(edit)->SetParent(&window_);
    edit->onChange.fn = [this, edit](fw::Component*) { changes_.push_back(edit->Text()); };
    return edit;
  }
  static void TypeInto(TEdit* edit, const std::string& text) {
    edit->SetFocus();
    stdtest::Type(edit->Handle(), text);
  }

  stdtest::Stage window_;
  stdtest::Log changes_;
};

TEST_F(EditTest, TypedTextIsReadFromTheWindowWithAChangePerKey) {
  TEdit* edit = AddEdit();
  TypeInto(edit, "abc");
  EXPECT_EQ(edit->Text(), "abc");
  EXPECT_EQ(changes_, (stdtest::Log{"a", "ab", "abc"}));
  stdtest::PressKey(edit->Handle(), VK_BACK, '\b');
  EXPECT_EQ(edit->Text(), "ab");
}

TEST_F(EditTest, ProgramTextRaisesChangeOnceAndTheSameTextNothing) {
  auto* edit = new TEdit(&window_);
  edit->onChange.fn = [this, edit](fw::Component*) { changes_.push_back(edit->Text()); };
  edit->SetText("before");  // no window yet: kept for it
  static_cast<fw::TControl*>(edit)->SetParent(&window_);
  EXPECT_TRUE(changes_.empty());
  HWND hwnd = edit->Handle();
  char buffer[16] = {};
  GetWindowTextA(hwnd, buffer, sizeof buffer);
  EXPECT_STREQ(buffer, "before");
  edit->SetText("after");
  edit->SetText("after");
  EXPECT_EQ(changes_, (stdtest::Log{"after"}));
}

TEST_F(EditTest, MaxLengthLimitsTyping) {
  TEdit* limited = AddEdit();
  limited->SetMaxLength(3);
  TypeInto(limited, "12345");
  EXPECT_EQ(limited->Text(), "123");

  TEdit* unlimited = AddEdit();  // 0: no limit
  TypeInto(unlimited, std::string(40, '7'));
  EXPECT_EQ(unlimited->Text().size(), 40u);

  unlimited->SetMaxLength(2);  // a limit set on the window applies to further typing
  unlimited->SetText("");
  TypeInto(unlimited, "9999");
  EXPECT_EQ(unlimited->Text(), "99");
  unlimited->SetText("12345");  // the program is not limited
  EXPECT_EQ(unlimited->Text(), "12345");
}

TEST_F(EditTest, ReadOnlyRefusesTypingButNotTheProgram) {
  TEdit* edit = AddEdit();
  edit->SetReadOnly(true);
  edit->SetText("map");
  TypeInto(edit, "zz");
  EXPECT_EQ(edit->Text(), "map");
  EXPECT_TRUE(GetWindowLongA(edit->Handle(), GWL_STYLE) & ES_READONLY);
  edit->SetReadOnly(false);
  edit->SetText("");
  TypeInto(edit, "ok");
  EXPECT_EQ(edit->Text(), "ok");
}

TEST_F(EditTest, KeyPressHookSeesEveryTypedCharacterFirst) {
  auto* edit = AddEdit<FilteringEdit>();
  TypeInto(edit, "axbx");
  EXPECT_EQ(edit->Text(), "Ab");
  EXPECT_EQ(changes_, (stdtest::Log{"A", "Ab"}));  // a dropped key changes nothing
  edit->SetText("xa");                             // text from the program passes no filter
  EXPECT_EQ(edit->Text(), "xa");
}

TEST_F(EditTest, KeyboardFocusSelectsTheWholeText) {
  TEdit* edit = AddEdit();
  edit->SetText("18");
  edit->SetFocus();
  gv::test::DispatchPending();
  DWORD start = 0, end = 0;
  SendMessageA(edit->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 2u);
  stdtest::Type(edit->Handle(), "5");  // typed over
  EXPECT_EQ(edit->Text(), "5");
}

TEST_F(EditTest, BorderStyles) {
  TEdit* flat = AddEdit();
  flat->SetBorderStyle(TEdit::bsNone);
  flat->SetCtl3D(false);
  TEdit* sunken = AddEdit();
  TEdit* plain = AddEdit();
  plain->SetCtl3D(false);
  auto edge = [](TEdit* e) { return (GetWindowLongA(e->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0; };
  // The corner pixel of the window: the single line of a plain border, or the text area.
  auto corner = [](TEdit* e) {
    HWND hwnd = e->Handle();
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetWindowDC(hwnd);
    COLORREF color = GetPixel(dc, 0, 0);
    ReleaseDC(hwnd, dc);
    return color;
  };
  EXPECT_FALSE(edge(flat));
  EXPECT_EQ(corner(flat), fw::ColorToRGB(fw::clWindow));
  EXPECT_TRUE(edge(sunken));
  EXPECT_EQ(corner(sunken), fw::ColorToRGB(fw::clBtnShadow));
  EXPECT_FALSE(edge(plain));
  EXPECT_EQ(corner(plain), GetSysColor(COLOR_WINDOWFRAME));
  RECT client, outer;
  GetClientRect(flat->Handle(), &client);
  GetWindowRect(flat->Handle(), &outer);
  EXPECT_EQ(client.right, outer.right - outer.left);  // no frame at all
  sunken->SetBorderStyle(TEdit::bsNone);              // on a window that exists
  EXPECT_FALSE(edge(sunken));
}

TEST_F(EditTest, TextSurvivesTheWindowBeingMadeAgain) {
  auto* frame = new fw::TPanel(&window_);
  frame->SetBounds(8, 200, 160, 25);
  static_cast<fw::TControl*>(frame)->SetParent(&window_);
  auto* edit = new TEdit(&window_);
  static_cast<fw::TControl*>(edit)->SetParent(frame);
  edit->SetBounds(2, 2, 150, 20);
  frame->Handle();
  TypeInto(edit, "kept");
  DestroyWindow(frame->Handle());  // takes the edit's window with it
  EXPECT_FALSE(edit->HandleAllocated());
  EXPECT_EQ(edit->Text(), "kept");
  char buffer[16] = {};
  GetWindowTextA(edit->Handle(), buffer, sizeof buffer);
  EXPECT_STREQ(buffer, "kept");
}

}  // namespace
