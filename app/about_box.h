// The About box: picture, name, version and a two-line credit, closed with its OK button.
// Made once at start-up, hidden, and shown modally on request.
#pragma once

#include "framework/win32/form.h"

namespace gv {

class TAboutBox : public fw::TForm {
 public:
  FW_CLASS()

  explicit TAboutBox(fw::Component* owner);
  ~TAboutBox() override;
};

// The About box while it exists.
extern TAboutBox* AboutBox;

}  // namespace gv
