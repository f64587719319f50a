// Windows BMP files in memory: decoding into plain 32-bit pixels and writing a 24-bit file.
// Pictures in description text ("Glyph.Data", "Picture.Data") hold such files, file header
// onwards. Decoding never trusts the header: sizes, offsets and palette counts are checked
// against the buffer, and anything malformed or unsupported gives an empty image.
#pragma once

#include <array>
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

// A BI_RLE8 picture as its palette indices, in rows of `stride` bytes (a multiple of four) top
// row first, and its colour table: what GDI draws as an 8-bit picture, the colours exactly those
// DecodeBmp gives, in a quarter of the memory of the decoded pixels.
struct BmpIndexed {
  int width = 0;
  int height = 0;
  int stride = 0;
  std::array<uint32_t, 256> palette{};  // 0x00RRGGBB; entries the file lacks are black
  std::vector<uint8_t> indices;
};

// For a BI_RLE8 file that DecodeBmp reads, its size from the headers alone; false for any other.
bool Rle8Size(std::string_view file, int& width, int& height);
// Reads a BI_RLE8 file as DecodeBmp does, keeping the indices; false for any other file.
bool DecodeRle8Indexed(std::string_view file, BmpIndexed& out);

// Writes a 24-bit uncompressed BMP file of the image; empty text for an empty image.
std::string EncodeBmp(const BmpImage& image);

}  // namespace fw
