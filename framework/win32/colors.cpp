#include "framework/win32/colors.h"

namespace fw {

namespace {
const IntIdent kIdents[] = {
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clBtnFace", clBtnFace},
    {"clWindow", clWindow},
    {"clWindowText", clWindowText},
    {"clBtnShadow", clBtnShadow},
    {"clBtnHighlight", clBtnHighlight},
    {"clBtnText", clBtnText},
    {"clGrayText", clGrayText},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clInfoBk", clInfoBk},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
};
}  // namespace

const IntIdentMap kColorIdents{kIdents, static_cast<int>(sizeof kIdents / sizeof kIdents[0])};

COLORREF ColorToRGB(TColor color) {
  if (color & kSystemColor) return GetSysColor(color & 0xFF);
  return static_cast<COLORREF>(color);
}

}  // namespace fw
