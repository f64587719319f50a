// Labels: a caption drawn on the parent, in the label's font, aligned within the label's
// bounds. With AutoSize on, the label takes the size of its text. A label that stands for a
// windowed control (FocusControl) gives that control its name for assistive technology.
#pragma once

#include "framework/win32/control.h"

namespace fw {

class TLabel : public TGraphicControl {
 public:
  FW_CLASS()

  explicit TLabel(Component* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* control) { focusControl_ = control; }
  TWinControl* NamedControl() const override { return focusControl_; }

  void Paint(HDC dc) override;
  void Loaded() override;
  void ParentWindowCreated() override;
  void Notification(Component* component) override;

  // The size the caption needs in the label's font (an empty caption measures as one blank).
  SIZE TextExtent();

 protected:
  void TextChanged() override;
  void FontChanged() override;

 private:
  UINT DrawFlags() const;
  void AdjustBounds();

  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = true, transparent_ = false;
  TWinControl* focusControl_ = nullptr;
  bool sizePending_ = false;  // read from a description, not yet measured (see Loaded)
};

}  // namespace fw
