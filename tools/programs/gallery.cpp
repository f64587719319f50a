// Every control in one window, for looking at them. Run with a file name, it saves a picture
// of itself there (a BMP file, read from the screen) and exits. Not part of the launcher.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "controls/alpha_panel.h"
#include "controls/int_edit.h"
#include "controls/speed_button.h"
#include "framework/stdctrls/bevel.h"
#include "framework/stdctrls/check_box.h"
#include "framework/stdctrls/combo_box.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/image.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/panel.h"
#include "framework/stdctrls/radio_button.h"
#include "tests/support/file_bytes.h"
#include "tests/support/window_picture.h"

namespace gv {
namespace {

class GalleryWindow : public fw::TWinControl {
 public:
  using TWinControl::TWinControl;

 protected:
  void CreateParamsFor(fw::CreateParams& params) override {
    TWinControl::CreateParamsFor(params);
    params.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  }
  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return TWinControl::WndProc(msg, wp, lp, result);
  }
};

// 16 x 16 frames on an olive background: a black play triangle, then (second frame) its grey
// disabled look; with square set, a red square instead.
fw::BmpImage Glyph(bool square, int frames = 2) {
  fw::BmpImage image;
  image.width = 16 * frames;
  image.height = 16;
  image.pixels.assign(image.width * 16, 0x808000);
  for (int frame = 0; frame < frames; ++frame) {
    uint32_t ink = frame == 0 ? (square ? 0xC00000 : 0x000000) : 0x808080;
    for (int y = 3; y < 13; ++y)
      for (int x = 4; x < 13; ++x) {
        bool inside = square ? (y > 3 && y < 12 && x > 4 && x < 12) : (x - 4) <= (y < 8 ? y - 3 : 12 - y) * 2;
        if (inside) image.pixels[y * image.width + frame * 16 + x] = ink;
      }
  }
  return image;
}

template <class T>
T* Place(fw::TWinControl* parent, int left, int top, int width, int height) {
  T* control = new T(parent->Owner() ? parent->Owner() : parent);
  static_cast<fw::TControl*>(control)->SetParent(parent);
  control->SetBounds(left, top, width, height);
  return control;
}

TSpeedButton* Speed(fw::TWinControl* parent, int left, int top, bool square) {
  auto* b = Place<TWin95SpeedButton>(parent, left, top, 25, 25);
  b->Glyph()->SetImage(Glyph(square));
  return b;
}

// The toolbar pictures of the launcher, when the source tree can be found: each enabled and
// disabled.
void AddToolbarPictures(fw::TWinControl* w) {
  const char* names[] = {"glyph_run", "glyph_about", "glyph_exit", "glyph_hand"};
  int left = 220;
  for (const char* name : names) {
    const std::string data = gv::test::ReadFileBytes(std::string(GORVALE_PICTURES) + "\\" + name + ".bmp");
    if (data.empty()) continue;
    for (bool enabled : {true, false}) {
      auto* b = Place<TWin95SpeedButton>(w, left, 170, 25, 25);
      b->Glyph()->SetData(data);
      b->SetEnabled(enabled);
      left += 26;
    }
  }
}

void Build(GalleryWindow* w) {
  auto* bar = Place<TAlphaPanel>(w, 0, 0, 440, 42);
  bar->SetAlphaButtons({"ABC", "D F"});
  bar->SetCatchButtons(true);
  bar->SetActiveButton('B');
  Speed(bar, 200, 8, false);
  Speed(bar, 225, 8, true)->SetEnabled(false);

  auto* label = Place<fw::TLabel>(w, 8, 52, 120, 15);
  label->SetCaption("Speed buttons:");
  Speed(w, 8, 70, false);  // up
  auto* down = Speed(w, 36, 70, false);
  down->SetGroupIndex(1);
  down->SetDown(true);
  Speed(w, 64, 70, false)->SetEnabled(false);  // second frame
  auto* embossed = Speed(w, 92, 70, false);
  embossed->Glyph()->SetImage(Glyph(false, 1));  // one frame: disabled is the embossed copy
  embossed->SetEnabled(false);
  Speed(w, 120, 70, false)->SetName("Pressed");
  auto* text = Place<TSpeedButton>(w, 150, 70, 70, 25);
  text->SetCaption("Run");
  text->Glyph()->SetImage(Glyph(false));

  auto* frame = Place<fw::TPanel>(w, 8, 106, 60, 24);
  frame->SetBevelInner(fw::bvLowered);
  frame->SetBevelOuter(fw::bvLowered);
  auto* number = Place<TIntEdit>(frame, 2, 2, 56, 20);
  number->SetBorderStyle(fw::TCustomEdit::bsNone);
  number->SetText("640");
  auto* edit = Place<fw::TEdit>(w, 80, 106, 120, 23);
  edit->SetText("Plain edit");

  auto* group = Place<fw::TPanel>(w, 8, 140, 200, 60);
  group->SetBevelInner(fw::bvRaised);
  group->SetBevelOuter(fw::bvLowered);
  auto* radio1 = Place<fw::TRadioButton>(group, 8, 8, 120, 17);
  radio1->SetCaption("Deathmatch");
  radio1->SetChecked(true);
  Place<fw::TRadioButton>(group, 8, 32, 120, 17)->SetCaption("Cooperative");

  auto* check = Place<fw::TCheckBox>(w, 220, 52, 120, 17);
  check->SetCaption("No sound");
  check->SetChecked(true);
  auto* combo = Place<fw::TComboBox>(w, 220, 76, 121, 23);
  combo->SetStyle(fw::csDropDownList);
  combo->Items()->SetStrings({"General", "Multiplayer", "Map"});
  combo->SetItemIndex(0);
  auto* bevel = Place<fw::TBevel>(w, 220, 106, 100, 50);
  bevel->SetShape(fw::bsFrame);
  auto* image = Place<fw::TImage>(w, 340, 106, 64, 32);
  image->SetStretch(true);
  image->Picture()->SetImage(Glyph(false));
  auto* status = Place<fw::TPanel>(w, 0, 216, 440, 22);
  status->SetBevelInner(fw::bvLowered);
  status->SetAlignment(fw::taLeftJustify);
  status->SetCaption("Status line");
  AddToolbarPictures(w);
}

void PumpFor(DWORD ms) {
  DWORD end = GetTickCount() + ms;
  while (GetTickCount() < end) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(10);
  }
}

}  // namespace
}  // namespace gv

using namespace gv;  // a program of the launcher's own

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  GalleryWindow window(nullptr);
  window.SetBounds(40, 40, 448, 270);
  window.SetCaption("Controls");
  Build(&window);
  HWND hwnd = window.Handle();
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);
  // One button held down by the mouse, to show the pressed look.
  if (auto* pressed = dynamic_cast<fw::TControl*>(window.FindComponent("Pressed")))
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pressed->Left() + 5, pressed->Top() + 5));
  if (__argc > 1) {
    PumpFor(700);
    return gv::test::SaveWindowPicture(hwnd, __argv[1]) ? 0 : 1;
  }
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
