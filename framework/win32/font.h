// Fonts by name, character height in pixels, style and colour, with the GDI font made on demand.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "framework/core/persistent.h"
#include "framework/win32/colors.h"

namespace fw {

enum FontStyle : int { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
extern const EnumType kFontStyleType;

class TFont : public Persistent {
 public:
  FW_CLASS()

  TFont() = default;
  ~TFont() override;

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  // Negative: character height in pixels; positive: cell height.
  int Height() const { return height_; }
  void SetHeight(int height);
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  int Style() const { return style_; }  // FontStyle bits
  void SetStyle(int style);

  void Assign(const TFont& other);
  bool SameAs(const TFont& other) const;
  HFONT Handle();  // made on first use, remade after a change

  std::function<void()> onChange;

 private:
  // Sets a field of the font and reports the change when the value is new.
  template <class T>
  void SetAndNotify(T& field, const T& value) {
    if (SetField(field, value)) Changed();
  }
  void Changed();

  TColor color_ = clWindowText;
  int height_ = -11;
  std::string name_ = "MS Sans Serif";
  int style_ = 0;
  HFONT handle_ = nullptr;
};

}  // namespace fw
