#include "std_test_window.h"

#include "framework/win32/form.h"
#include "tests/support/message_loop.h"

namespace stdtest {

TestWindow::TestWindow(int width, int height) : fw::TWinControl(nullptr) {
  SetBounds(40, 40, width, height);
  SetText("Standard controls");
}

TestWindow::~TestWindow() { gv::test::DispatchPending(); }

RECT TestWindow::ClientRect() const {
  RECT r{0, 0, 0, 0};
  if (HWND hwnd = HandleIfAllocated()) GetClientRect(hwnd, &r);
  return r;
}

void TestWindow::CreateParamsFor(fw::CreateParams& params) {
  fw::TWinControl::CreateParamsFor(params);
  params.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
}

TestWindow& SharedWindow() {
  static TestWindow window;
  return window;
}

Stage::Stage(fw::TWinControl* top) : fw::TWinControl(nullptr) {
  if (!top) top = &SharedWindow();
  RECT r;
  GetClientRect(top->Handle(), &r);
  SetBounds(0, 0, r.right, r.bottom);
  static_cast<fw::TControl*>(this)->SetParent(top);
}

Stage::~Stage() {
  // The focus leaves the stage while all of it still exists: a form hands the focus it
  // receives to its active control, which must not be one on its way out.
  HWND hwnd = HandleIfAllocated(), focus = GetFocus();
  if (hwnd && focus && (focus == hwnd || IsChild(hwnd, focus))) {
    if (fw::TForm* form = fw::GetParentForm(this)) form->SetActiveControl(nullptr);
    ::SetFocus(GetParent(hwnd));
  }
  gv::test::DispatchPending();
}

void Click(HWND hwnd, int x, int y) {
  PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  gv::test::DispatchPending();
}

void PressKey(HWND hwnd, UINT vk, char ch) {
  UINT scan = MapVirtualKeyA(vk, 0);
  PostMessageA(hwnd, WM_KEYDOWN, vk, 1 | (scan << 16));
  if (ch) PostMessageA(hwnd, WM_CHAR, static_cast<unsigned char>(ch), 1 | (scan << 16));
  PostMessageA(hwnd, WM_KEYUP, vk, 1 | (scan << 16) | 0xC0000000u);
  gv::test::DispatchPending();
}

void Type(HWND hwnd, const std::string& text) {
  for (char c : text) {
    SHORT vk = VkKeyScanA(c);
    PressKey(hwnd, vk == -1 ? 0 : LOBYTE(vk), c);
  }
}

}  // namespace stdtest
