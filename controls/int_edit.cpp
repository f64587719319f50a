#include "controls/int_edit.h"

namespace gv {

const fw::ClassInfo& TIntEdit::StaticClass() {
  static const fw::ClassInfo info = fw::MakeClass<TIntEdit, fw::TEdit>("TIntEdit");
  return info;
}

bool TIntEdit::Accepts(char key) { return key == '\b' || key == '\r' || (key >= '0' && key <= '9'); }

void TIntEdit::KeyPress(char& key) {
  fw::TEdit::KeyPress(key);
  // Dropped quietly: the filter makes no sound of its own.
  if (!Accepts(key)) key = 0;
}

}  // namespace gv
