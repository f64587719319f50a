#include "framework/win32/font.h"
#include "framework/core/property_builders.h"

namespace fw {

namespace {
const char* const kStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
}

const EnumType kFontStyleType{"TFontStyle", kStyleNames, 4};

const ClassInfo& TFont::StaticClass() {
  static const PropInfo kProps[] = {
      IntProp<&TFont::Color, &TFont::SetColor>("Color", clWindowText).WithIdents(kColorIdents),
      IntProp<&TFont::Height, &TFont::SetHeight>("Height", -11),
      StrProp<&TFont::Name, &TFont::SetName>("Name"),
      SetProp<&TFont::Style, &TFont::SetStyle>("Style", kFontStyleType, 0),
  };
  static const ClassInfo info = MakeClass<TFont, Persistent>("TFont", kProps);
  return info;
}

TFont::~TFont() {
  if (handle_) DeleteObject(handle_);
}

void TFont::SetColor(TColor color) { SetAndNotify(color_, color); }

void TFont::SetHeight(int height) { SetAndNotify(height_, height); }

void TFont::SetName(const std::string& name) { SetAndNotify(name_, name); }

void TFont::SetStyle(int style) { SetAndNotify(style_, style); }

void TFont::Assign(const TFont& other) {
  if (SameAs(other)) return;
  color_ = other.color_;
  height_ = other.height_;
  name_ = other.name_;
  style_ = other.style_;
  Changed();
}

bool TFont::SameAs(const TFont& other) const {
  return color_ == other.color_ && height_ == other.height_ && name_ == other.name_ && style_ == other.style_;
}

HFONT TFont::Handle() {
  if (!handle_) {
    handle_ = CreateFontA(height_, 0, 0, 0, (style_ & fsBold) ? FW_BOLD : FW_NORMAL, (style_ & fsItalic) != 0,
                          (style_ & fsUnderline) != 0, (style_ & fsStrikeOut) != 0, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, name_.c_str());
  }
  return handle_;
}

void TFont::Changed() {
  // The holder switches its windows to the new font before the old one goes.
  HFONT old = handle_;
  handle_ = nullptr;
  if (onChange) onChange();
  if (old) DeleteObject(old);
}

}  // namespace fw
