// Pictures: a BMP file held as bytes (the published "Data" row, "Glyph.Data = {...}" in
// description text), decoded when first drawn or measured (a picture of a window not yet shown
// costs neither the time nor the memory of its pixels) and drawn through GDI. A run-length-encoded
// 8-bit picture (the launcher's large ones) is drawn opaque from its palette indices, sized from
// its headers, and not kept decoded. Malformed data is kept as given but shows as an empty
// picture.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "framework/core/bmp_image.h"
#include "framework/core/persistent.h"

namespace fw {

class TBitmap : public Persistent {
 public:
  FW_CLASS()

  TBitmap() = default;
  ~TBitmap() override;

  const std::string& Data() const { return data_; }
  void SetData(const std::string& data);
  // Replaces the picture by the image, stored as a 24-bit file.
  void SetImage(const BmpImage& image);
  void Assign(const TBitmap& other) { SetData(other.data_); }
  void Clear() { SetData(std::string()); }

  const BmpImage& Image() const;
  int Width() const;
  int Height() const;
  bool Empty() const;
  // The colour drawn as transparent: that of the bottom-left pixel (0x00RRGGBB).
  uint32_t TransparentColor() const;

  // The whole picture, opaque, stretched over a rectangle.
  void StretchDraw(HDC dc, const RECT& dest) const;
  // A frame (part of the picture) at a point, pixels of the transparent colour left out.
  void DrawTransparent(HDC dc, int x, int y, const RECT& frame);
  // The disabled look of a frame: its dark pixels embossed, once in the highlight colour one
  // pixel down and right, then in the shadow colour on top.
  void DrawEmbossed(HDC dc, int x, int y, const RECT& frame, COLORREF highlight, COLORREF shadow);

  // Called after every change of the picture.
  std::function<void()> onChange;

 private:
  void MakeGdiObjects();
  void FreeGdiObjects();
  bool ClipFrame(RECT& frame) const;
  bool IsRle8() const;  // reads the headers once per picture
  void DrawRle8(HDC dc, const RECT& dest) const;

  std::string data_;
  mutable BmpImage image_;
  mutable bool decoded_ = true;  // image_ holds the pixels of data_
  enum class Rle8 { Unknown, No, Yes };
  mutable Rle8 rle8_ = Rle8::No;
  mutable int rle8Width_ = 0, rle8Height_ = 0;
  HBITMAP colors_ = nullptr;  // the picture with transparent pixels black
  HBITMAP mask_ = nullptr;    // monochrome: 1 where transparent
  HBITMAP shape_ = nullptr;   // monochrome: 1 where the disabled look draws
};

}  // namespace fw
