#include "app/about_box.h"

namespace gv {

TAboutBox* AboutBox = nullptr;

const fw::ClassInfo& TAboutBox::StaticClass() {
  static const fw::ClassInfo info = fw::MakeClass<TAboutBox, fw::TForm>("TAboutBox");
  return info;
}

TAboutBox::TAboutBox(fw::Component* owner) : fw::TForm(owner) { AboutBox = this; }

TAboutBox::~TAboutBox() {
  if (AboutBox == this) AboutBox = nullptr;
}

}  // namespace gv
