// The integer edit: a single-line edit box that takes only digits from the keyboard. The number
// is kept as text; there is no sign, value or range. Text set by the program, restored from
// the settings or pasted is not filtered.
#pragma once

#include "framework/stdctrls/edit.h"

namespace gv {

class TIntEdit : public fw::TEdit {
 public:
  FW_CLASS()
  using fw::TEdit::TEdit;

  // Whether a typed character reaches the edit: digits, Backspace and Enter do.
  static bool Accepts(char key);

 protected:
  void KeyPress(char& key) override;
};

}  // namespace gv
