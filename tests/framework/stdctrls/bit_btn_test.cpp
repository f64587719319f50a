// Bitmap buttons on a form: the kinds' captions, results and default flag, the click that
// hands the result to the form before OnClick, Enter on the default button, and the drawing.
#include <gtest/gtest.h>

#include "framework/stdctrls/bit_btn.h"
#include "framework/stdctrls/edit.h"
#include "framework/win32/form.h"
#include "std_test_window.h"
#include "tests/support/message_loop.h"

namespace {

using fw::TBitBtn;

// The form the tests share, shown once and kept to the end of the program.
fw::TForm& SharedForm() {
  static fw::TForm* form = [] {
    auto* made = new fw::TForm(nullptr);
    made->SetBounds(60, 60, 300, 200);
    made->SetCaption("About");
    made->Show();
    return made;
  }();
  return *form;
}

class BitBtnTest : public ::testing::Test {
 protected:
  BitBtnTest() : form_(SharedForm()), stage_(&form_) { form_.SetModalResult(fw::mrNone); }
  TBitBtn* AddButton(fw::TBitBtnKind kind, int left) {
    auto* button = new TBitBtn(&stage_);
    button->SetBounds(left, 120, 65, 33);
    button->SetKind(kind);
    static_cast<fw::TControl*>(button)->SetParent(&stage_);
    button->onClick.fn = [this, button](fw::Component*) {
      log_.push_back(button->Caption() + " result " + std::to_string(form_.ModalResult()));
    };
    return button;
  }

  fw::TForm& form_;
  stdtest::Stage stage_;
  stdtest::Log log_;
};

TEST_F(BitBtnTest, KindsGiveCaptionResultAndDefault) {
  TBitBtn* ok = AddButton(fw::bkOK, 10);
  EXPECT_EQ(ok->Caption(), "OK");
  EXPECT_EQ(ok->ModalResult(), fw::mrOk);
  EXPECT_TRUE(ok->Default());
  ok->SetKind(fw::bkCancel);  // the kind's caption follows the kind
  EXPECT_EQ(ok->Caption(), "Cancel");
  EXPECT_EQ(ok->ModalResult(), fw::mrCancel);
  EXPECT_FALSE(ok->Default());

  auto* own = new TBitBtn(&stage_);
  own->SetCaption("Fine");
  own->SetKind(fw::bkOK);  // a caption of its own stays
  EXPECT_EQ(own->Caption(), "Fine");
  EXPECT_EQ(own->ModalResult(), fw::mrOk);
  own->SetKind(fw::bkCustom);  // back to custom: nothing else changes
  EXPECT_EQ(own->ModalResult(), fw::mrOk);
}

TEST_F(BitBtnTest, MouseClickSetsTheFormsResultBeforeOnClick) {
  TBitBtn* ok = AddButton(fw::bkOK, 10);
  stdtest::Click(ok->Handle(), 10, 10);
  EXPECT_EQ(log_, (stdtest::Log{"OK result 1"}));
  EXPECT_EQ(form_.ModalResult(), fw::mrOk);
}

TEST_F(BitBtnTest, DoubleClickIsTwoClicks) {
  TBitBtn* ok = AddButton(fw::bkOK, 10);
  HWND hwnd = ok->Handle();
  PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  PostMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  PostMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
  PostMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  gv::test::DispatchPending();
  EXPECT_EQ(log_, (stdtest::Log{"OK result 1", "OK result 1"}));
}

TEST_F(BitBtnTest, ReleaseOffTheButtonIsNoClick) {
  TBitBtn* ok = AddButton(fw::bkOK, 10);
  HWND hwnd = ok->Handle();
  PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  PostMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(200, 10));
  gv::test::DispatchPending();
  EXPECT_TRUE(log_.empty());
  EXPECT_EQ(form_.ModalResult(), fw::mrNone);
}

TEST_F(BitBtnTest, CustomButtonWithoutResultLeavesTheForm) {
  TBitBtn* custom = AddButton(fw::bkCustom, 10);
  custom->SetCaption("Apply");
  form_.SetModalResult(fw::mrNone);
  custom->Click();
  EXPECT_EQ(log_, (stdtest::Log{"Apply result 0"}));
}

TEST_F(BitBtnTest, EnterGoesToTheFocusedButtonElseTheDefaultOne) {
  TBitBtn* ok = AddButton(fw::bkOK, 10);
  TBitBtn* cancel = AddButton(fw::bkCancel, 100);
  auto* edit = new fw::TEdit(&stage_);
  static_cast<fw::TControl*>(edit)->SetParent(&stage_);
  edit->SetFocus();
  EXPECT_TRUE(ok->DialogKey(VK_RETURN));
  EXPECT_FALSE(cancel->DialogKey(VK_RETURN));
  EXPECT_FALSE(ok->DialogKey(VK_ESCAPE));
  cancel->SetFocus();
  EXPECT_FALSE(ok->DialogKey(VK_RETURN));
  EXPECT_TRUE(cancel->DialogKey(VK_RETURN));
  EXPECT_EQ(log_, (stdtest::Log{"OK result 1", "Cancel result 2"}));
  ok->SetEnabled(false);
  edit->SetFocus();
  EXPECT_FALSE(ok->DialogKey(VK_RETURN));
}

TEST_F(BitBtnTest, DrawsFaceGlyphAndPressedLook) {
  TBitBtn* ok = AddButton(fw::bkOK, 10);
  HWND hwnd = ok->Handle();
  auto paint = [&](int x, int y) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(hwnd);
    COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return color;
  };
  auto anyGreen = [&] {
    HDC dc = GetDC(hwnd);
    bool found = false;
    for (int y = 0; y < 33 && !found; ++y)
      for (int x = 0; x < 65 && !found; ++x) found = GetPixel(dc, x, y) == fw::ColorToRGB(fw::clGreen);
    ReleaseDC(hwnd, dc);
    return found;
  };
  EXPECT_EQ(paint(0, 0), RGB(0, 0, 0));  // the default button's dark frame
  EXPECT_EQ(paint(1, 1), fw::ColorToRGB(fw::clBtnHighlight));
  EXPECT_TRUE(anyGreen());
  SendMessageA(hwnd, BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(paint(1, 1), fw::ColorToRGB(fw::clBtnShadow));  // pressed: sunken
  SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
  EXPECT_EQ(paint(1, 1), fw::ColorToRGB(fw::clBtnHighlight));
  ok->SetEnabled(false);
  paint(0, 0);
  EXPECT_FALSE(anyGreen());
}

}  // namespace
