// Bitmap buttons: push buttons on the native BUTTON control that draw themselves, with a glyph
// beside the caption. A Kind other than bkCustom gives the button its standard caption (when
// it has none), glyph, ModalResult and Default. A click first hands ModalResult to the form.
#pragma once

#include "framework/win32/win_control.h"

namespace fw {

enum TBitBtnKind : int {
  bkCustom,
  bkOK,
  bkCancel,
  bkHelp,
  bkYes,
  bkNo,
  bkClose,
  bkAbort,
  bkRetry,
  bkIgnore,
  bkAll
};
extern const EnumType kBitBtnKindType;

class TBitBtn : public TWinControl {
 public:
  FW_CLASS()

  explicit TBitBtn(Component* owner);

  // The default button of its form: Enter clicks it unless another button has the focus.
  bool Default() const { return default_; }
  void SetDefault(bool isDefault);
  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind kind);
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  // Sets the form's ModalResult (when the button has one), then raises OnClick.
  void Click() override;
  bool DialogKey(UINT key) override;
  bool WantsArrows() const override { return false; }
  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 protected:
  void CreateParamsFor(CreateParams& params) override;
  bool Notify(UINT code, LRESULT& result) override;
  virtual void Paint(HDC dc);

 private:
  bool IsCaptionStored() const;
  bool IsDefaultStored() const;
  bool ShowsDefaultFrame() const;
  // The kind's picture in a square of side kGlyphSize with its top-left corner at x, y.
  void DrawGlyph(HDC dc, int x, int y, bool enabled);

  static constexpr int kGlyphSize = 18, kSpacing = 4;

  bool default_ = false;
  TBitBtnKind kind_ = bkCustom;
  int modalResult_ = 0;
};

}  // namespace fw
