// Windows BMP files in memory: decoding into plain 32-bit pixels and writing a 24-bit file.
// Pictures in description text ("Glyph.Data", "Picture.Data") hold such files, file header
// onwards. Decoding never trusts the header: sizes, offsets and palette counts are checked
// against the buffer, and anything malformed or unsupported gives an empty image.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

struct BmpImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // rows top to bottom, each pixel 0x00RRGGBB

  bool Empty() const { return width <= 0 || height <= 0; }
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Largest picture accepted, so that a few bytes of run-length data cannot ask for gigabytes.
constexpr int kMaxBmpSide = 8192;
constexpr int64_t kMaxBmpPixels = int64_t{1} << 22;

// Reads a BMP file: 1, 4, 8, 24 or 32 bits per pixel, uncompressed or (8 bits) BI_RLE8,
// with a Windows or an OS/2 1.x header. Empty image on any fault.
BmpImage DecodeBmp(std::string_view file);

// Writes a 24-bit uncompressed BMP file of the image; empty text for an empty image.
std::string EncodeBmp(const BmpImage& image);

}  // namespace fw
