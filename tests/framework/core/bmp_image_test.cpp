// BMP decoding: the formats the pictures use, and malformed files, which must give an empty
// image without reading outside the buffer (this test also runs under AddressSanitizer), and
// run-length files read as palette indices, which must show the same pixels.
#include "framework/core/bmp_image.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace gv {
namespace {

using fw::BmpImage;
using fw::DecodeBmp;

void Put16(std::string& s, uint32_t v) {
  s.push_back(static_cast<char>(v & 0xFF));
  s.push_back(static_cast<char>(v >> 8 & 0xFF));
}
void Put32(std::string& s, uint32_t v) {
  Put16(s, v & 0xFFFF);
  Put16(s, v >> 16);
}

struct Header {
  int32_t width = 0, height = 0;
  uint16_t bits = 8, planes = 1;
  uint32_t compression = 0, colorsUsed = 0, sizeImage = 0;
  int32_t offBits = -1;  // -1: right after the palette
};

// A file with a 40-byte info header, the palette entries (0x00RRGGBB) and the pixel bytes.
std::string MakeFile(const Header& h, const std::vector<uint32_t>& palette, const std::string& pixels) {
  uint32_t off = h.offBits >= 0 ? static_cast<uint32_t>(h.offBits) : 14 + 40 + 4 * palette.size();
  std::string s = "BM";
  Put32(s, off + pixels.size());
  Put32(s, 0);
  Put32(s, off);
  Put32(s, 40);
  Put32(s, static_cast<uint32_t>(h.width));
  Put32(s, static_cast<uint32_t>(h.height));
  Put16(s, h.planes);
  Put16(s, h.bits);
  Put32(s, h.compression);
  Put32(s, h.sizeImage);
  Put32(s, 0);
  Put32(s, 0);
  Put32(s, h.colorsUsed);
  Put32(s, 0);
  for (uint32_t c : palette) Put32(s, c);
  return s + pixels;
}

std::string Bytes(std::initializer_list<int> b) {
  std::string s;
  for (int v : b) s.push_back(static_cast<char>(v));
  return s;
}

BmpImage Sample(int w, int h) {
  BmpImage image;
  image.width = w;
  image.height = h;
  for (int i = 0; i < w * h; ++i) image.pixels.push_back(static_cast<uint32_t>(i * 0x10203) & 0xFFFFFF);
  return image;
}

TEST(BmpImageTest, TwentyFourBitFilesRoundTripWithRowPadding) {
  for (int w : {1, 2, 3, 5, 16}) {
    BmpImage in = Sample(w, 3);
    std::string file = fw::EncodeBmp(in);
    ASSERT_EQ(file.size(), 54u + ((w * 3 + 3) / 4 * 4) * 3u);
    BmpImage out = DecodeBmp(file);
    EXPECT_EQ(out.width, w);
    EXPECT_EQ(out.height, 3);
    EXPECT_EQ(out.pixels, in.pixels);
  }
  EXPECT_TRUE(fw::EncodeBmp(BmpImage{}).empty());
}

TEST(BmpImageTest, PaletteImagesOfOneFourAndEightBits) {
  std::vector<uint32_t> pal = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00};
  Header h;
  h.width = 10;
  h.height = 2;
  h.bits = 1;
  // Bottom row first; each row padded to 4 bytes.
  BmpImage one = DecodeBmp(MakeFile(h, {pal[0], pal[1]}, Bytes({0x80, 0x40, 0, 0, 0xFF, 0xC0, 0, 0})));
  ASSERT_EQ(one.width, 10);
  EXPECT_EQ(one.At(0, 0), 0xFFFFFFu);  // top row comes from the second stored row
  EXPECT_EQ(one.At(9, 0), 0xFFFFFFu);
  EXPECT_EQ(one.At(0, 1), 0xFFFFFFu);
  EXPECT_EQ(one.At(1, 1), 0u);
  EXPECT_EQ(one.At(9, 1), 0xFFFFFFu);

  h.bits = 4;
  h.width = 3;
  h.height = -1;  // top-down
  h.colorsUsed = 4;
  BmpImage four = DecodeBmp(MakeFile(h, pal, Bytes({0x23, 0x10, 0, 0})));
  ASSERT_EQ(four.height, 1);
  EXPECT_EQ(four.pixels, (std::vector<uint32_t>{0xFF0000, 0x00FF00, 0xFFFFFF}));

  h.bits = 8;
  h.colorsUsed = 2;  // a short palette: indices past it show black
  BmpImage eight = DecodeBmp(MakeFile(h, {0x123456, 0xABCDEF}, Bytes({1, 0, 200, 0})));
  EXPECT_EQ(eight.pixels, (std::vector<uint32_t>{0xABCDEF, 0x123456, 0}));
}

TEST(BmpImageTest, ThirtyTwoBitAndOs2Headers) {
  Header h;
  h.width = 1;
  h.height = 1;
  h.bits = 32;
  EXPECT_EQ(DecodeBmp(MakeFile(h, {}, Bytes({0x33, 0x22, 0x11, 0x7F}))).pixels,
            std::vector<uint32_t>{0x112233});

  std::string os2 = "BM";
  Put32(os2, 14 + 12 + 6 + 4);
  Put32(os2, 0);
  Put32(os2, 14 + 12 + 6);
  Put32(os2, 12);
  Put16(os2, 2);
  Put16(os2, 1);
  Put16(os2, 1);
  Put16(os2, 1);
  os2 += Bytes({0, 0, 0, 0xFF, 0xFF, 0xFF, 0x80, 0, 0, 0});
  EXPECT_EQ(DecodeBmp(os2).pixels, (std::vector<uint32_t>{0xFFFFFF, 0}));
}

TEST(BmpImageTest, RunLengthEightBit) {
  std::vector<uint32_t> pal = {0x000000, 0x111111, 0x222222, 0x333333};
  Header h;
  h.width = 4;
  h.height = 3;
  h.compression = 1;
  h.colorsUsed = 4;
  // Bottom row: run of three 1s, end of line. Middle row: literal 2,3,1 (padded), end of line.
  // Top row: delta right 2, run of five 3s clipped at the edge, end of bitmap.
  std::string rle = Bytes({3, 1, 0, 0, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 2, 0, 5, 3, 0, 1});
  BmpImage image = DecodeBmp(MakeFile(h, pal, rle));
  ASSERT_EQ(image.width, 4);
  EXPECT_EQ(image.pixels, (std::vector<uint32_t>{0, 0, 0x333333, 0x333333,            // top
                                                 0x222222, 0x333333, 0x111111, 0,     // middle
                                                 0x111111, 0x111111, 0x111111, 0}));  // bottom

  // Data that stops in the middle keeps what was drawn; a literal longer than the data stops.
  BmpImage cut = DecodeBmp(MakeFile(h, pal, Bytes({2, 2, 0, 9, 1})));
  ASSERT_EQ(cut.height, 3);
  EXPECT_EQ(cut.At(0, 2), 0x222222u);
  EXPECT_EQ(cut.At(2, 2), 0x111111u);
  EXPECT_EQ(cut.At(3, 2), 0u);

  // sizeImage bounds the compressed data.
  h.sizeImage = 2;
  EXPECT_EQ(DecodeBmp(MakeFile(h, pal, Bytes({1, 3, 1, 2}))).At(1, 2), 0u);
}

TEST(BmpImageTest, MalformedHeadersGiveAnEmptyImage) {
  Header good;
  good.width = 2;
  good.height = 2;
  good.bits = 24;
  std::string pixels(16, '\x7F');
  ASSERT_FALSE(DecodeBmp(MakeFile(good, {}, pixels)).Empty());

  auto empty = [&](Header h, std::vector<uint32_t> pal = {}, std::string px = std::string(16, '\x7F')) {
    return DecodeBmp(MakeFile(h, pal, px)).Empty();
  };
  Header h = good;
  h.planes = 2;
  EXPECT_TRUE(empty(h));
  h = good;
  h.width = 0;
  EXPECT_TRUE(empty(h));
  h.width = -2;
  EXPECT_TRUE(empty(h));
  h = good;
  h.height = INT32_MIN;
  EXPECT_TRUE(empty(h));
  h = good;
  h.width = 100000;
  EXPECT_TRUE(empty(h));
  h = good;
  h.width = h.height = 4000;  // within the side limit, past the pixel limit
  EXPECT_TRUE(empty(h));
  h = good;
  h.bits = 16;
  EXPECT_TRUE(empty(h));
  h.bits = 24;
  h.compression = 3;
  EXPECT_TRUE(empty(h));
  h.compression = 1;  // run-length needs 8 bits
  EXPECT_TRUE(empty(h));
  h = good;
  h.bits = 8;
  h.compression = 1;
  h.height = -2;  // run-length data cannot be top-down
  EXPECT_TRUE(empty(h, std::vector<uint32_t>(256)));
  h = good;
  h.bits = 8;
  h.colorsUsed = 257;
  EXPECT_TRUE(empty(h, std::vector<uint32_t>(257)));
  h.colorsUsed = 0x40000000;  // palette size that overflows 32 bits
  EXPECT_TRUE(empty(h));
  h = good;
  h.offBits = 20;  // pixels inside the header
  EXPECT_TRUE(empty(h));
  h.offBits = 5000;  // past the end
  EXPECT_TRUE(empty(h));
  EXPECT_TRUE(empty(good, {}, std::string(15, '\0')));  // one byte of pixel data short

  std::string bad = MakeFile(good, {}, pixels);
  bad[1] = 'A';
  EXPECT_TRUE(DecodeBmp(bad).Empty());
  bad = MakeFile(good, {}, pixels);
  bad[14] = 39;  // header size below the info header's
  EXPECT_TRUE(DecodeBmp(bad).Empty());
  bad[14] = 0;
  bad[17] = 0x7F;  // header size past the end
  EXPECT_TRUE(DecodeBmp(bad).Empty());
}

TEST(BmpImageTest, EveryTruncationAndByteFlipStaysInsideTheBuffer) {
  Header rle;
  rle.width = 5;
  rle.height = 3;
  rle.compression = 1;
  rle.colorsUsed = 4;
  Header nibbles = rle;
  nibbles.bits = 4;
  nibbles.compression = 0;
  Header rgb = rle;
  rgb.bits = 24;
  rgb.compression = 0;
  rgb.colorsUsed = 0;
  const std::vector<uint32_t> pal(4, 0x808080);
  const std::string files[] = {
      MakeFile(rle, pal, Bytes({5, 1, 0, 0, 0, 5, 1, 2, 3, 2, 1, 0, 0, 2, 9, 9, 2, 2, 0, 1})),
      MakeFile(nibbles, pal, std::string(12, '\x13')),
      MakeFile(rgb, {}, std::string(48, '\x40')),
  };
  auto check = [](const std::vector<char>& bytes) {
    // Heap copies of exactly the bytes, so that AddressSanitizer sees any read past them.
    const std::string_view file(bytes.data(), bytes.size());
    BmpImage image = DecodeBmp(file);
    if (!image.Empty()) {
      EXPECT_EQ(image.pixels.size(), static_cast<size_t>(image.width) * image.height);
    }
    // A run-length file drawn from its indices shows exactly the decoded pixels; rows are padded
    // to four bytes, as GDI reads them.
    fw::BmpIndexed indexed;
    int width = 0, height = 0;
    const bool sized = fw::Rle8Size(file, width, height);
    ASSERT_EQ(fw::DecodeRle8Indexed(file, indexed), sized);
    if (!sized) return;
    ASSERT_FALSE(image.Empty());
    ASSERT_EQ(indexed.width, image.width);
    ASSERT_EQ(indexed.height, image.height);
    EXPECT_EQ(width, image.width);
    EXPECT_EQ(height, image.height);
    EXPECT_EQ(indexed.stride % 4, 0);
    ASSERT_EQ(indexed.indices.size(), static_cast<size_t>(indexed.stride) * indexed.height);
    for (int y = 0; y < image.height; ++y)
      for (int x = 0; x < image.width; ++x)
        ASSERT_EQ(indexed.palette[indexed.indices[static_cast<size_t>(y) * indexed.stride + x]],
                  image.At(x, y))
            << x << "," << y;
  };
  fw::BmpIndexed indexed;
  ASSERT_TRUE(fw::DecodeRle8Indexed(files[0], indexed));
  EXPECT_EQ(indexed.stride, 8);
  EXPECT_FALSE(fw::DecodeRle8Indexed(files[1], indexed)) << "only run-length files";
  for (const std::string& file : files) {
    ASSERT_FALSE(DecodeBmp(file).Empty());
    for (size_t n = 0; n < file.size(); ++n) check(std::vector<char>(file.begin(), file.begin() + n));
    for (size_t i = 0; i < file.size(); ++i) {
      for (int v : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
        std::vector<char> copy(file.begin(), file.end());
        copy[i] = static_cast<char>(v);
        check(copy);
      }
    }
  }
}

}  // namespace
}  // namespace gv
