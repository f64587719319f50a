// fw::TBitmap drawing through GDI, read back from a 32-bit DIB section.
#include <gtest/gtest.h>

#include <string>

#include "framework/win32/bitmap.h"
#include "tests/support/canvas.h"
#include "tests/support/file_bytes.h"

namespace gv {
namespace {

constexpr uint32_t kOlive = 0x808000, kMagenta = 0xFF00FF, kRed = 0xFF0000, kBlue = 0x0000FF,
                   kGreen = 0x008000, kWhite = 0xFFFFFF, kBlack = 0x000000, kGray = 0x808080;

class BitmapDrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(canvas_.Bitmap(), nullptr);
    // Top row: red, olive, blue, black; bottom row: olive (the transparent colour), white,
    // olive, green.
    fw::BmpImage image;
    image.width = 4;
    image.height = 2;
    image.pixels = {kRed, kOlive, kBlue, kBlack, kOlive, kWhite, kOlive, kGreen};
    bitmap_.SetImage(image);
  }

  uint32_t At(int x, int y) const { return canvas_.Rgb(x, y); }

  static constexpr int kSize = 24;
  gv::test::Canvas canvas_{kSize, kSize};  // magenta where nothing was drawn
  const HDC dc_ = canvas_.Dc();
  fw::TBitmap bitmap_;
};

TEST_F(BitmapDrawTest, TransparentFramesLeaveTheBackground) {
  EXPECT_EQ(bitmap_.TransparentColor(), kOlive);
  bitmap_.DrawTransparent(dc_, 2, 3, RECT{0, 0, 4, 2});
  EXPECT_EQ(At(2, 3), kRed);
  EXPECT_EQ(At(3, 3), kMagenta);
  EXPECT_EQ(At(4, 3), kBlue);
  EXPECT_EQ(At(5, 3), kBlack);
  EXPECT_EQ(At(2, 4), kMagenta);
  EXPECT_EQ(At(3, 4), kWhite);
  EXPECT_EQ(At(5, 4), kGreen);
  EXPECT_EQ(At(6, 3), kMagenta);

  // The second half only; a frame reaching past the picture is clipped to it.
  bitmap_.DrawTransparent(dc_, 10, 10, RECT{2, 0, 9, 5});
  EXPECT_EQ(At(10, 10), kBlue);
  EXPECT_EQ(At(11, 10), kBlack);
  EXPECT_EQ(At(10, 11), kMagenta);
  EXPECT_EQ(At(12, 10), kMagenta);
}

TEST_F(BitmapDrawTest, EmbossedCopyDrawsDarkPixelsInHighlightThenShadow) {
  bitmap_.DrawEmbossed(dc_, 2, 12, RECT{0, 0, 4, 2}, RGB(255, 255, 255), RGB(128, 128, 128));
  // Dark pixels of the picture: (0,0) red, (2,0) blue, (3,0) black, (3,1) green.
  EXPECT_EQ(At(2, 12), kGray);
  EXPECT_EQ(At(4, 12), kGray);
  EXPECT_EQ(At(5, 13), kGray);   // shadow over the highlight of (2,0)
  EXPECT_EQ(At(3, 13), kWhite);  // the white pixel under it is no part of the shape
  EXPECT_EQ(At(6, 14), kWhite);
  EXPECT_EQ(At(3, 12), kMagenta);  // transparent
  EXPECT_EQ(At(4, 13), kMagenta);  // transparent in both copies
}

TEST_F(BitmapDrawTest, OpaqueAndStretchedDrawing) {
  bitmap_.StretchDraw(dc_, RECT{0, 0, bitmap_.Width(), bitmap_.Height()});
  EXPECT_EQ(At(1, 0), kOlive);
  EXPECT_EQ(At(3, 1), kGreen);
  bitmap_.StretchDraw(dc_, RECT{0, 10, 8, 14});
  EXPECT_EQ(At(0, 10), kRed);
  EXPECT_EQ(At(1, 11), kRed);
  EXPECT_EQ(At(7, 13), kGreen);
}

// The launcher's large pictures are run-length files, which are drawn from their palette
// indices: on the screen they must show exactly the pixels they decode to, and stretch as well.
TEST(LauncherPictures, DrawnExactlyAsDecoded) {
  for (const char* name : {"splash", "about"}) {
    SCOPED_TRACE(name);
    fw::TBitmap picture;
    picture.SetData(gv::test::ReadFileBytes(std::string(GORVALE_PICTURES) + "\\" + name + ".bmp"));
    const fw::BmpImage decoded = fw::DecodeBmp(picture.Data());
    ASSERT_FALSE(decoded.Empty());
    ASSERT_EQ(picture.Width(), decoded.width);
    ASSERT_EQ(picture.Height(), decoded.height);
    gv::test::Canvas canvas(2 * decoded.width, 2 * decoded.height);
    picture.StretchDraw(canvas.Dc(), RECT{0, 0, decoded.width, decoded.height});
    int wrong = 0;
    for (int y = 0; y < decoded.height; ++y)
      for (int x = 0; x < decoded.width; ++x) wrong += canvas.Rgb(x, y) != decoded.At(x, y);
    EXPECT_EQ(wrong, 0);
    picture.StretchDraw(canvas.Dc(), RECT{0, 0, 2 * decoded.width, 2 * decoded.height});
    for (int y = 0; y < decoded.height; ++y)
      for (int x = 0; x < decoded.width; ++x) wrong += canvas.Rgb(2 * x + 1, 2 * y + 1) != decoded.At(x, y);
    EXPECT_EQ(wrong, 0);
  }
}

TEST_F(BitmapDrawTest, MalformedDataIsKeptButEmpty) {
  int changes = 0;
  bitmap_.onChange = [&] { ++changes; };
  bitmap_.SetData("BM\x10");
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(bitmap_.Empty());
  EXPECT_EQ(bitmap_.Data(), "BM\x10");
  bitmap_.SetData("BM\x10");
  EXPECT_EQ(changes, 1);
  bitmap_.DrawTransparent(dc_, 0, 0, RECT{0, 0, 4, 2});  // draws nothing
  bitmap_.DrawEmbossed(dc_, 0, 0, RECT{0, 0, 4, 2}, 0, 0);
  bitmap_.StretchDraw(dc_, RECT{0, 0, 4, 2});
  EXPECT_EQ(At(0, 0), kMagenta);
}

}  // namespace
}  // namespace gv
