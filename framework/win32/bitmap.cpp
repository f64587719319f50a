#include "framework/win32/bitmap.h"
#include "framework/core/property_builders.h"

#include <algorithm>
#include <vector>

namespace fw {

namespace {

// Ternary raster operation "DSPDxax": the brush where the source is white, the destination
// where it is black.
constexpr DWORD kRopBrushThroughMask = 0x00E20746;

BITMAPINFO TopDownInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// A monochrome bitmap with 1 bits where keep(pixel) holds.
template <class Keep>
HBITMAP MakeMono(const BmpImage& image, Keep keep) {
  size_t stride = (static_cast<size_t>(image.width) + 15) / 16 * 2;  // rows of whole 16-bit words
  std::vector<BYTE> bits(stride * image.height, 0);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      if (keep(image.At(x, y))) bits[y * stride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
  return CreateBitmap(image.width, image.height, 1, 1, bits.data());
}

bool IsDark(uint32_t rgb) {
  unsigned r = rgb >> 16 & 0xFF, g = rgb >> 8 & 0xFF, b = rgb & 0xFF;
  return r * 299 + g * 587 + b * 114 < 192 * 1000;
}

}  // namespace

const ClassInfo& TBitmap::StaticClass() {
  static const PropInfo kProps[] = {
      BinaryProp<&TBitmap::Data, &TBitmap::SetData>("Data"),
  };
  static const ClassInfo info = MakeClass<TBitmap, Persistent>("TBitmap", kProps);
  return info;
}

TBitmap::~TBitmap() { FreeGdiObjects(); }

void TBitmap::SetData(const std::string& data) {
  if (!SetField(data_, data)) return;
  image_ = BmpImage();
  decoded_ = false;
  rle8_ = Rle8::Unknown;
  FreeGdiObjects();
  if (onChange) onChange();
}

void TBitmap::SetImage(const BmpImage& image) { SetData(EncodeBmp(image)); }

const BmpImage& TBitmap::Image() const {
  if (!decoded_) {
    image_ = DecodeBmp(data_);
    decoded_ = true;
  }
  return image_;
}

bool TBitmap::IsRle8() const {
  if (rle8_ == Rle8::Unknown) rle8_ = Rle8Size(data_, rle8Width_, rle8Height_) ? Rle8::Yes : Rle8::No;
  return rle8_ == Rle8::Yes;
}

int TBitmap::Width() const { return IsRle8() ? rle8Width_ : Image().width; }

int TBitmap::Height() const { return IsRle8() ? rle8Height_ : Image().height; }

bool TBitmap::Empty() const { return !IsRle8() && Image().Empty(); }

uint32_t TBitmap::TransparentColor() const { return Empty() ? 0 : image_.At(0, image_.height - 1); }

void TBitmap::StretchDraw(HDC dc, const RECT& dest) const {
  if (IsRle8()) {
    DrawRle8(dc, dest);
    return;
  }
  if (Empty()) return;
  BITMAPINFO info = TopDownInfo(Width(), Height());
  int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  StretchDIBits(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, 0, 0, Width(),
                Height(), image_.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
  SetStretchBltMode(dc, oldMode);
}

void TBitmap::DrawRle8(HDC dc, const RECT& dest) const {
  BmpIndexed picture;
  if (!DecodeRle8Indexed(data_, picture)) return;
  struct {
    BITMAPINFOHEADER header;
    uint32_t colors[256];  // RGBQUAD: blue, green, red, 0, which is how 0x00RRGGBB lies in memory
  } info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = picture.width;
  info.header.biHeight = -picture.height;  // top row first
  info.header.biPlanes = 1;
  info.header.biBitCount = 8;
  info.header.biCompression = BI_RGB;
  info.header.biClrUsed = 256;
  std::copy(picture.palette.begin(), picture.palette.end(), info.colors);
  int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  StretchDIBits(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, 0, 0, picture.width,
                picture.height, picture.indices.data(), reinterpret_cast<const BITMAPINFO*>(&info),
                DIB_RGB_COLORS, SRCCOPY);
  SetStretchBltMode(dc, oldMode);
}

bool TBitmap::ClipFrame(RECT& frame) const {
  frame.left = std::max<LONG>(frame.left, 0);
  frame.top = std::max<LONG>(frame.top, 0);
  frame.right = std::min<LONG>(frame.right, Width());
  frame.bottom = std::min<LONG>(frame.bottom, Height());
  return frame.left < frame.right && frame.top < frame.bottom;
}

namespace {

// One of a picture's bitmaps selected into a memory DC, to be copied onto dc with black text and
// white background colours, so that a monochrome source maps 0 bits to black and 1 bits to white.
// Everything is put back when it goes.
class BlitSource {
 public:
  BlitSource(HDC dc, HBITMAP bitmap)
      : dc_(dc),
        mem_(CreateCompatibleDC(dc)),
        old_(SelectObject(mem_, bitmap)),
        oldText_(SetTextColor(dc, RGB(0, 0, 0))),
        oldBack_(SetBkColor(dc, RGB(255, 255, 255))) {}
  ~BlitSource() {
    SetTextColor(dc_, oldText_);
    SetBkColor(dc_, oldBack_);
    SelectObject(mem_, old_);
    DeleteDC(mem_);
  }
  BlitSource(const BlitSource&) = delete;
  BlitSource& operator=(const BlitSource&) = delete;

  HDC Dc() const { return mem_; }
  void Select(HBITMAP bitmap) { SelectObject(mem_, bitmap); }

 private:
  HDC dc_, mem_;
  HGDIOBJ old_;
  COLORREF oldText_, oldBack_;
};

}  // namespace

void TBitmap::DrawTransparent(HDC dc, int x, int y, const RECT& frame) {
  RECT r = frame;
  if (Empty() || !ClipFrame(r)) return;
  MakeGdiObjects();
  int w = r.right - r.left, h = r.bottom - r.top;
  BlitSource source(dc, mask_);
  BitBlt(dc, x, y, w, h, source.Dc(), r.left, r.top, SRCAND);  // clear where the picture goes
  source.Select(colors_);
  BitBlt(dc, x, y, w, h, source.Dc(), r.left, r.top, SRCPAINT);
}

void TBitmap::DrawEmbossed(HDC dc, int x, int y, const RECT& frame, COLORREF highlight, COLORREF shadow) {
  RECT r = frame;
  if (Empty() || !ClipFrame(r)) return;
  MakeGdiObjects();
  int w = r.right - r.left, h = r.bottom - r.top;
  BlitSource source(dc, shape_);
  HBRUSH light = CreateSolidBrush(highlight), dark = CreateSolidBrush(shadow);
  HGDIOBJ oldBrush = SelectObject(dc, light);
  BitBlt(dc, x + 1, y + 1, w, h, source.Dc(), r.left, r.top, kRopBrushThroughMask);
  SelectObject(dc, dark);
  BitBlt(dc, x, y, w, h, source.Dc(), r.left, r.top, kRopBrushThroughMask);
  SelectObject(dc, oldBrush);
  DeleteObject(light);
  DeleteObject(dark);
}

void TBitmap::MakeGdiObjects() {
  if (colors_) return;
  uint32_t clear = TransparentColor();
  BITMAPINFO info = TopDownInfo(Width(), Height());
  void* bits = nullptr;
  colors_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (colors_ && bits) {
    auto* out = static_cast<uint32_t*>(bits);
    for (size_t i = 0; i < image_.pixels.size(); ++i)
      out[i] = image_.pixels[i] == clear ? 0 : image_.pixels[i];
    GdiFlush();
  }
  mask_ = MakeMono(image_, [clear](uint32_t p) { return p == clear; });
  shape_ = MakeMono(image_, [clear](uint32_t p) { return p != clear && IsDark(p); });
}

void TBitmap::FreeGdiObjects() {
  for (HBITMAP* b : {&colors_, &mask_, &shape_}) {
    if (*b) DeleteObject(*b);
    *b = nullptr;
  }
}

}  // namespace fw
