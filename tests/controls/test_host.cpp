#include "tests/controls/test_host.h"

namespace gv {

const fw::ClassInfo& TestHost::StaticClass() {
  static const fw::ClassInfo info = fw::MakeClass<TestHost, fw::TWinControl>("TTestHost");
  return info;
}

TestHost::TestHost(fw::Component* owner) : TWinControl(owner) { SetBounds(0, 0, 480, 320); }

TestHost* TestHost::Attached() {
  static TestHost* shared = [] {
    auto* top = new TestHost;
    ShowWindow(top->Handle(), SW_SHOW);
    return top;
  }();
  auto* host = new TestHost;
  static_cast<fw::TControl*>(host)->SetParent(shared);
  host->Handle();
  return host;
}

void TestHost::CreateParamsFor(fw::CreateParams& params) {
  TWinControl::CreateParamsFor(params);
  if (!Parent()) params.style = WS_POPUP | WS_CLIPCHILDREN;
}

void PressAt(HWND hwnd, int x, int y) { SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }

void MoveTo(HWND hwnd, int x, int y) { SendMessageA(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y)); }

void ReleaseAt(HWND hwnd, int x, int y) { SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }

void ClickAt(HWND hwnd, int x, int y) {
  PressAt(hwnd, x, y);
  ReleaseAt(hwnd, x, y);
}

void ClickControl(fw::TControl* control) {
  ClickAt(control->Parent()->Handle(), control->Left() + control->Width() / 2,
          control->Top() + control->Height() / 2);
}

void Type(HWND hwnd, const char* text) {
  for (const char* p = text; *p; ++p) SendMessageA(hwnd, WM_CHAR, static_cast<unsigned char>(*p), 1);
}

}  // namespace gv
