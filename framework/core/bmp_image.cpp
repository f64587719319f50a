#include "framework/core/bmp_image.h"

#include <algorithm>

namespace fw {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;  // OS/2 1.x: 16-bit sizes, 3-byte palette entries
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kBiRgb = 0, kBiRle8 = 1;

uint32_t U16(std::string_view b, size_t at) {
  return static_cast<uint8_t>(b[at]) | static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1])) << 8;
}
uint32_t U32(std::string_view b, size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

// What the headers say, once checked against the buffer.
struct Layout {
  int width = 0, height = 0;
  bool topDown = false;
  uint32_t bits = 0, compression = kBiRgb;
  std::vector<uint32_t> palette;
  size_t dataBegin = 0, dataEnd = 0;  // the pixel data within the file
};

bool ReadLayout(std::string_view f, Layout& out) {
  if (f.size() < kFileHeaderSize + kCoreHeaderSize || f[0] != 'B' || f[1] != 'M') return false;
  uint32_t offBits = U32(f, 10);
  uint32_t headerSize = U32(f, 14);
  if (headerSize > f.size() - kFileHeaderSize) return false;
  int64_t width, height;
  uint32_t planes, sizeImage = 0, colorsUsed = 0;
  size_t entrySize = 4;
  if (headerSize == kCoreHeaderSize) {
    width = U16(f, 18);
    height = U16(f, 20);
    planes = U16(f, 22);
    out.bits = U16(f, 24);
    entrySize = 3;
  } else if (headerSize >= kInfoHeaderSize) {
    width = static_cast<int32_t>(U32(f, 18));
    height = static_cast<int32_t>(U32(f, 22));
    planes = U16(f, 26);
    out.bits = U16(f, 28);
    out.compression = U32(f, 30);
    sizeImage = U32(f, 34);
    colorsUsed = U32(f, 46);
  } else {
    return false;
  }
  out.topDown = height < 0;
  height = height < 0 ? -height : height;
  if (planes != 1 || width <= 0 || height <= 0 || width > kMaxBmpSide || height > kMaxBmpSide ||
      width * height > kMaxBmpPixels)
    return false;
  out.width = static_cast<int>(width);
  out.height = static_cast<int>(height);

  bool supported = (out.compression == kBiRgb &&
                    (out.bits == 1 || out.bits == 4 || out.bits == 8 || out.bits == 24 || out.bits == 32)) ||
                   (out.compression == kBiRle8 && out.bits == 8 && !out.topDown);
  if (!supported) return false;

  size_t paletteBegin = kFileHeaderSize + headerSize;
  size_t paletteCount = 0;
  if (out.bits <= 8) {
    if (colorsUsed > 256) return false;
    paletteCount = colorsUsed ? colorsUsed : size_t{1} << out.bits;
  }
  size_t paletteEnd = paletteBegin + paletteCount * entrySize;
  if (paletteEnd > f.size()) return false;
  size_t usable = std::min(paletteCount, out.bits <= 8 ? size_t{1} << out.bits : 0);
  for (size_t i = 0; i < usable; ++i) {
    size_t at = paletteBegin + i * entrySize;
    out.palette.push_back(static_cast<uint8_t>(f[at]) |
                          static_cast<uint32_t>(static_cast<uint8_t>(f[at + 1])) << 8 |
                          static_cast<uint32_t>(static_cast<uint8_t>(f[at + 2])) << 16);
  }

  // Some writers leave the offset 0: the pixels then follow the palette.
  out.dataBegin = offBits ? offBits : paletteEnd;
  if (out.dataBegin < paletteEnd || out.dataBegin >= f.size()) return false;
  out.dataEnd = f.size();
  if (out.compression == kBiRle8 && sizeImage && sizeImage < out.dataEnd - out.dataBegin)
    out.dataEnd = out.dataBegin + sizeImage;
  return true;
}

uint32_t PaletteColor(const Layout& l, uint32_t index) {
  return index < l.palette.size() ? l.palette[index] : 0;  // out-of-range indices show black
}

bool DecodeRgb(std::string_view f, const Layout& l, BmpImage& image) {
  uint64_t stride = (static_cast<uint64_t>(l.width) * l.bits + 31) / 32 * 4;
  if (stride * static_cast<uint64_t>(l.height) > l.dataEnd - l.dataBegin) return false;
  for (int row = 0; row < l.height; ++row) {
    int y = l.topDown ? row : l.height - 1 - row;
    std::string_view line = f.substr(l.dataBegin + row * stride, stride);
    uint32_t* out = &image.pixels[static_cast<size_t>(y) * l.width];
    for (int x = 0; x < l.width; ++x) {
      switch (l.bits) {
        case 1:
        case 4:
        case 8: {
          size_t bit = static_cast<size_t>(x) * l.bits;
          uint32_t byte = static_cast<uint8_t>(line[bit / 8]);
          uint32_t shift = 8 - l.bits - bit % 8;
          out[x] = PaletteColor(l, (byte >> shift) & ((1u << l.bits) - 1));
          break;
        }
        case 24:
          out[x] = U16(line, x * 3) | static_cast<uint32_t>(static_cast<uint8_t>(line[x * 3 + 2])) << 16;
          break;
        default:
          out[x] = U32(line, x * 4) & 0xFFFFFF;
          break;
      }
    }
  }
  return true;
}

// BI_RLE8: runs and literal stretches of palette indices, bottom row first. Pixels that the
// codes skip keep palette entry 0; runs past the right edge are clipped; data that stops
// without an end code keeps what was drawn.
// The indices land in rows of `stride` bytes, top row first.
std::vector<uint8_t> Rle8Indices(std::string_view f, const Layout& l, size_t stride) {
  std::vector<uint8_t> indices(stride * l.height, 0);
  auto put = [&](int x, int y, uint8_t index) {
    if (x < l.width && y < l.height) indices[static_cast<size_t>(l.height - 1 - y) * stride + x] = index;
  };
  size_t at = l.dataBegin;
  int x = 0, y = 0;
  while (at + 2 <= l.dataEnd && y < l.height) {
    uint8_t count = static_cast<uint8_t>(f[at]), code = static_cast<uint8_t>(f[at + 1]);
    at += 2;
    if (count > 0) {
      for (int i = 0; i < count && x < l.width; ++i) put(x++, y, code);
    } else if (code == 0) {
      x = 0;
      ++y;
    } else if (code == 1) {
      break;
    } else if (code == 2) {
      if (at + 2 > l.dataEnd) break;
      x = std::min(x + static_cast<uint8_t>(f[at]), l.width);
      y += static_cast<uint8_t>(f[at + 1]);
      at += 2;
    } else {
      size_t n = std::min<size_t>(code, l.dataEnd - at);
      for (size_t i = 0; i < n; ++i) {
        if (x < l.width) put(x, y, static_cast<uint8_t>(f[at + i]));
        x = std::min(x + 1, l.width);
      }
      at += code + (code & 1);  // literal stretches are padded to a 16-bit boundary
    }
  }
  return indices;
}

void DecodeRle8(std::string_view f, const Layout& l, BmpImage& image) {
  const std::vector<uint8_t> indices = Rle8Indices(f, l, static_cast<size_t>(l.width));
  for (size_t i = 0; i < indices.size(); ++i) image.pixels[i] = PaletteColor(l, indices[i]);
}

bool ReadRle8Layout(std::string_view file, Layout& layout) {
  return ReadLayout(file, layout) && layout.compression == kBiRle8;
}

void Put16(std::string& out, uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8 & 0xFF));
}
void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

BmpImage DecodeBmp(std::string_view file) {
  Layout layout;
  if (!ReadLayout(file, layout)) return {};
  BmpImage image;
  image.width = layout.width;
  image.height = layout.height;
  image.pixels.assign(static_cast<size_t>(layout.width) * layout.height, 0);
  if (layout.compression == kBiRle8)
    DecodeRle8(file, layout, image);
  else if (!DecodeRgb(file, layout, image))
    return {};
  return image;
}

bool Rle8Size(std::string_view file, int& width, int& height) {
  Layout layout;
  if (!ReadRle8Layout(file, layout)) return false;
  width = layout.width;
  height = layout.height;
  return true;
}

bool DecodeRle8Indexed(std::string_view file, BmpIndexed& out) {
  Layout layout;
  if (!ReadRle8Layout(file, layout)) return false;
  out.width = layout.width;
  out.height = layout.height;
  out.stride = (layout.width + 3) / 4 * 4;
  for (uint32_t i = 0; i < out.palette.size(); ++i) out.palette[i] = PaletteColor(layout, i);
  out.indices = Rle8Indices(file, layout, static_cast<size_t>(out.stride));
  return true;
}

std::string EncodeBmp(const BmpImage& image) {
  if (image.Empty() || image.pixels.size() != static_cast<size_t>(image.width) * image.height) return {};
  uint32_t stride = (static_cast<uint32_t>(image.width) * 3 + 3) / 4 * 4;
  uint32_t dataSize = stride * static_cast<uint32_t>(image.height);
  uint32_t offBits = kFileHeaderSize + kInfoHeaderSize;
  std::string out = "BM";
  Put32(out, offBits + dataSize);
  Put32(out, 0);
  Put32(out, offBits);
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<uint32_t>(image.width));
  Put32(out, static_cast<uint32_t>(image.height));
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, kBiRgb);
  Put32(out, dataSize);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      uint32_t p = image.At(x, y);
      out.push_back(static_cast<char>(p & 0xFF));
      out.push_back(static_cast<char>(p >> 8 & 0xFF));
      out.push_back(static_cast<char>(p >> 16 & 0xFF));
    }
    out.append(stride - image.width * 3, '\0');
  }
  return out;
}

}  // namespace fw
