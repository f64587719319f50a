// Shows one of every standard control in the looks the main window uses, for a screenshot.
// Arguments: seconds to stay up (default 5), optionally a BMP file for the image.
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "framework/stdctrls/bevel.h"
#include "framework/stdctrls/bit_btn.h"
#include "framework/stdctrls/check_box.h"
#include "framework/stdctrls/combo_box.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/image.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/notebook.h"
#include "framework/stdctrls/panel.h"
#include "framework/stdctrls/radio_button.h"
#include "tests/framework/stdctrls/std_test_window.h"
#include "tests/support/message_loop.h"

namespace {

using namespace fw;

template <class T>
T* Put(TWinControl* parent, Component* owner, int left, int top, int width, int height) {
  auto* c = new T(owner);
  c->SetBounds(left, top, width, height);
  static_cast<fw::TControl*>(c)->SetParent(parent);
  c->SetParentFont(true);
  return c;
}

void UsePageFont(TControl* c) {
  c->Font()->SetName("Arial");
  c->Font()->SetHeight(-12);
  c->Font()->SetColor(clBlack);
}

// A frame panel with a flat, borderless edit filling it.
TEdit* FramedEdit(TWinControl* parent, Component* owner, int left, int top, int width, const char* text) {
  auto* frame = Put<TPanel>(parent, owner, left, top, width, 20);
  frame->SetBevelOuter(bvLowered);
  frame->SetBevelInner(bvLowered);
  auto* edit = Put<TEdit>(frame, owner, 2, 2, width - 4, 16);
  edit->SetBorderStyle(TEdit::bsNone);
  edit->SetCtl3D(false);
  edit->SetText(text);
  return edit;
}

BmpImage Gradient(int size) {
  BmpImage image;
  image.width = image.height = size;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      image.pixels.push_back(static_cast<uint32_t>((x * 255 / size) << 16 | (y * 255 / size) << 8 | 0x60));
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
  stdtest::TestWindow window(570, 330);
  window.Font()->SetName("System");
  window.Font()->SetHeight(-13);
  Component* owner = &window;

  auto* bar = Put<TPanel>(&window, owner, 0, 0, 0, 34);
  bar->SetAlign(alTop);
  auto* selectorFrame = Put<TPanel>(bar, owner, 14, 4, 126, 26);
  selectorFrame->SetBevelOuter(bvLowered);
  selectorFrame->SetBevelInner(bvLowered);
  auto* selector = Put<TComboBox>(bar, owner, 16, 6, 121, 23);
  UsePageFont(selector);
  selector->SetCtl3D(false);
  selector->SetItemHeight(15);
  selector->SetStyle(csDropDownList);
  selector->Items()->SetStrings({"General", "Multiplayer", "Map", "Network"});
  selector->SetItemIndex(0);

  auto* status = Put<TPanel>(&window, owner, 0, 0, 0, 22);
  status->SetAlign(alBottom);
  status->SetBevelInner(bvLowered);
  status->SetAlignment(taLeftJustify);
  status->Font()->SetName("MS Sans Serif");
  status->Font()->SetHeight(-11);
  status->SetCaption("Select an options page from here");

  auto* notebook = Put<TNotebook>(&window, owner, 8, 40, 293, 165);
  UsePageFont(notebook);
  TPage* page = notebook->AddPage("General");
  notebook->AddPage("Map");
  Put<TBevel>(page, owner, 0, 0, 293, 165)->SetShape(bsFrame);
  Put<TLabel>(page, owner, 8, 12, 26, 15)->SetCaption("Skill:");
  FramedEdit(page, owner, 40, 10, 24, "1");
  Put<TLabel>(page, owner, 88, 12, 37, 15)->SetCaption("Name:");
  FramedEdit(page, owner, 131, 10, 152, "Ranger");
  auto* group = Put<TPanel>(page, owner, 8, 40, 137, 57);
  group->SetBevelOuter(bvLowered);
  group->SetBevelInner(bvRaised);
  auto* deathmatch = Put<TRadioButton>(group, owner, 8, 8, 89, 15);
  deathmatch->SetCaption("Deathmatch:");
  deathmatch->SetChecked(true);
  Put<TRadioButton>(group, owner, 8, 32, 89, 15)->SetCaption("Cooperative:");
  auto* cd = Put<TCheckBox>(page, owner, 8, 116, 113, 17);
  cd->SetCaption("No CD audio");
  cd->SetChecked(true);
  Put<TCheckBox>(page, owner, 120, 116, 81, 17)->SetCaption("No joystick");
  auto* vesa = Put<TCheckBox>(page, owner, 120, 140, 113, 17);
  vesa->SetCaption("No VESA support");
  vesa->SetEnabled(false);
  auto* maps = Put<TComboBox>(page, owner, 152, 40, 131, 23);
  maps->Items()->SetStrings({"DM1", "DM2", "E1M1"});
  maps->SetItemIndex(0);
  auto* chosen = Put<TEdit>(page, owner, 152, 72, 131, 23);
  chosen->SetReadOnly(true);
  chosen->SetText("e1m1");
  auto* x = Put<TLabel>(page, owner, 160, 100, 5, 15);
  x->SetAlignment(taCenter);
  x->SetCaption("x");
  x->SetEnabled(false);

  auto* about = Put<TPanel>(&window, owner, 310, 40, 244, 165);
  about->SetBevelOuter(bvLowered);
  auto* pictureFrame = Put<TPanel>(about, owner, 8, 8, 102, 100);
  pictureFrame->SetBevelOuter(bvLowered);
  auto* image = Put<TImage>(pictureFrame, owner, 1, 1, 100, 98);
  image->SetCenter(true);
  if (argc > 2) {
    std::ifstream file(argv[2], std::ios::binary);
    image->Picture()->SetData(std::string(std::istreambuf_iterator<char>(file), {}));
  }
  if (image->Picture()->Empty()) image->Picture()->SetImage(Gradient(96));
  auto* product = Put<TLabel>(about, owner, 118, 8, 0, 0);
  product->SetParentFont(false);
  product->Font()->SetName("Times New Roman");
  product->Font()->SetHeight(-24);
  product->Font()->SetStyle(fsBold | fsItalic);
  product->Font()->SetColor(clBlack);
  product->SetCaption("OEM");
  Put<TBevel>(about, owner, 8, 120, 224, 2)->SetShape(bsTopLine);
  auto* ok = Put<TBitBtn>(&window, owner, 400, 214, 65, 33);
  ok->SetParentFont(false);
  ok->Font()->SetName("Times New Roman");
  ok->Font()->SetHeight(-13);
  ok->Font()->SetStyle(fsBold);
  ok->SetKind(bkOK);

  ShowWindow(window.Handle(), SW_SHOW);
  DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
  while (GetTickCount() < end) {
    gv::test::DispatchPending();
    Sleep(20);
  }
  return 0;
}
