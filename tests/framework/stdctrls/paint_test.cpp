// Panels, labels, bevels and images drawn into a memory bitmap: which pixels get which colour.
#include <gtest/gtest.h>

#include <string>

#include "framework/stdctrls/bevel.h"
#include "framework/stdctrls/image.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/panel.h"
#include "std_test_window.h"
#include "tests/support/canvas.h"

namespace {

using fw::ColorToRGB;
using gv::test::Canvas;

const COLORREF kBlank = Canvas::kBlank;  // what no painting touches
const COLORREF kShadow = ColorToRGB(fw::clBtnShadow);
const COLORREF kLight = ColorToRGB(fw::clBtnHighlight);
const COLORREF kFace = ColorToRGB(fw::clBtnFace);

class PaintablePanel : public fw::TPanel {
 public:
  using fw::TPanel::Paint;
  using fw::TPanel::TPanel;
};

TEST(PanelPaint, LoweredDoubleFrameIsSunkenTwice) {
  PaintablePanel panel(nullptr);
  panel.SetBounds(0, 0, 30, 20);
  panel.SetBevelOuter(fw::bvLowered);
  panel.SetBevelInner(fw::bvLowered);
  Canvas c(30, 20);
  panel.Paint(c.Dc());
  for (int i : {0, 1}) {
    EXPECT_EQ(c.At(i, 10), kShadow) << i;
    EXPECT_EQ(c.At(15, i), kShadow) << i;
    EXPECT_EQ(c.At(29 - i, 10), kLight) << i;
    EXPECT_EQ(c.At(15, 19 - i), kLight) << i;
  }
  EXPECT_EQ(c.At(2, 2), kFace);
}

TEST(PanelPaint, RaisedOuterBorderAndLoweredInner) {
  PaintablePanel panel(nullptr);
  panel.SetBounds(0, 0, 40, 30);
  panel.SetBevelInner(fw::bvLowered);
  panel.SetBevelWidth(2);
  panel.SetBorderWidth(3);
  panel.SetColor(fw::clWhite);
  Canvas c(40, 30);
  panel.Paint(c.Dc());
  EXPECT_EQ(c.At(0, 15), kLight);  // raised outer bevel, 2 wide
  EXPECT_EQ(c.At(1, 15), kLight);
  EXPECT_EQ(c.At(39, 15), kShadow);
  EXPECT_EQ(c.At(2, 15), RGB(255, 255, 255));  // border in the panel's colour, 3 wide
  EXPECT_EQ(c.At(4, 15), RGB(255, 255, 255));
  EXPECT_EQ(c.At(5, 15), kShadow);  // lowered inner bevel
  EXPECT_EQ(c.At(6, 15), kShadow);
  EXPECT_EQ(c.At(33, 15), kLight);
}

TEST(PanelPaint, CaptionIsAlignedAndClippedInsideTheBevels) {
  const COLORREF kRed = RGB(255, 0, 0);
  for (fw::TAlignment alignment : {fw::taLeftJustify, fw::taRightJustify, fw::taCenter}) {
    PaintablePanel panel(nullptr);
    panel.SetBounds(0, 0, 200, 22);
    panel.SetBevelInner(fw::bvLowered);
    panel.Font()->SetColor(fw::clRed);
    panel.SetAlignment(alignment);
    panel.SetCaption("Status");
    Canvas c(200, 22);
    panel.Paint(c.Dc());
    bool left = c.Any(kRed, RECT{0, 0, 60, 22}), middle = c.Any(kRed, RECT{80, 0, 120, 22}),
         right = c.Any(kRed, RECT{140, 0, 200, 22});
    EXPECT_EQ(left, alignment == fw::taLeftJustify) << alignment;
    EXPECT_EQ(middle, alignment == fw::taCenter) << alignment;
    EXPECT_EQ(right, alignment == fw::taRightJustify) << alignment;
  }
  PaintablePanel narrow(nullptr);
  narrow.SetBounds(0, 0, 30, 22);
  narrow.SetAlignment(fw::taLeftJustify);
  narrow.Font()->SetColor(fw::clRed);
  narrow.SetCaption("A caption far wider than the panel");
  Canvas c(30, 22);
  narrow.Paint(c.Dc());
  for (int y = 0; y < 22; ++y) EXPECT_NE(c.At(29, y), kRed) << y;  // the bevel stays
}

TEST(PanelCaption, ProgramNamingGivesTheCaptionButNotLoading) {
  fw::TPanel panel(nullptr);
  panel.SetName("Panel1");
  EXPECT_EQ(panel.Caption(), "Panel1");
  panel.SetName("Panel2");
  EXPECT_EQ(panel.Caption(), "Panel2");
  panel.SetCaption("Status");
  panel.SetName("Panel3");
  EXPECT_EQ(panel.Caption(), "Status");
  fw::TPanel loaded(nullptr);
  loaded.BeginLoading();
  loaded.SetName("Panel4");
  loaded.Loaded();
  EXPECT_EQ(loaded.Caption(), "");
  struct Bar : fw::TCustomPanel {  // a class built on the custom panel chooses for itself
    using fw::TCustomPanel::TCustomPanel;
  } bar(nullptr);
  bar.SetName("Bar1");
  EXPECT_EQ(bar.Caption(), "");
}

TEST(BevelPaint, LoweredFrameIsAnEtchedDoubleLine) {
  fw::TBevel bevel(nullptr);
  bevel.SetBounds(0, 0, 30, 20);
  bevel.SetShape(fw::bsFrame);
  Canvas c(30, 20);
  bevel.Paint(c.Dc());
  EXPECT_EQ(c.At(0, 0), kShadow);
  EXPECT_EQ(c.At(1, 1), kLight);
  EXPECT_EQ(c.At(0, 10), kShadow);
  EXPECT_EQ(c.At(1, 10), kLight);
  EXPECT_EQ(c.At(28, 10), kShadow);
  EXPECT_EQ(c.At(29, 10), kLight);
  EXPECT_EQ(c.At(15, 18), kShadow);
  EXPECT_EQ(c.At(15, 19), kLight);
  EXPECT_EQ(c.At(15, 10), kBlank);  // the inside shows the page through
}

TEST(BevelPaint, BoxesAndLinesByStyle) {
  struct Case {
    fw::TBevelShape shape;
    fw::TBevelStyle style;
    POINT dark, lit, untouched;
  };
  const Case cases[] = {
      {fw::bsBox, fw::bsLowered, {0, 0}, {29, 19}, {15, 10}},
      {fw::bsBox, fw::bsRaised, {29, 19}, {0, 0}, {15, 10}},
      {fw::bsTopLine, fw::bsLowered, {15, 0}, {15, 1}, {15, 2}},
      {fw::bsBottomLine, fw::bsLowered, {15, 18}, {15, 19}, {15, 17}},
      {fw::bsLeftLine, fw::bsRaised, {1, 10}, {0, 10}, {2, 10}},
      {fw::bsRightLine, fw::bsLowered, {28, 10}, {29, 10}, {27, 10}},
  };
  for (const Case& k : cases) {
    fw::TBevel bevel(nullptr);
    bevel.SetBounds(0, 0, 30, 20);
    bevel.SetShape(k.shape);
    bevel.SetStyle(k.style);
    Canvas c(30, 20);
    bevel.Paint(c.Dc());
    EXPECT_EQ(c.At(k.dark.x, k.dark.y), kShadow) << k.shape;
    EXPECT_EQ(c.At(k.lit.x, k.lit.y), kLight) << k.shape;
    EXPECT_EQ(c.At(k.untouched.x, k.untouched.y), kBlank) << k.shape;
  }
}

TEST(LabelTest, AutoSizeFollowsTheCaption) {
  fw::TLabel label(nullptr);
  label.SetBounds(100, 10, 200, 50);
  label.SetCaption("Skill:");
  SIZE size = label.TextExtent();
  EXPECT_GT(size.cx, 10);
  {
    // Measured as the screen shows it.
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, label.Font()->Handle());
    SIZE onScreen{};
    GetTextExtentPoint32A(screen, "Skill:", 6, &onScreen);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(size.cx, onScreen.cx);
    EXPECT_EQ(size.cy, onScreen.cy);
  }
  EXPECT_EQ(label.Width(), size.cx);
  EXPECT_EQ(label.Height(), size.cy);
  int shortWidth = label.Width();
  label.SetAlignment(fw::taRightJustify);
  label.SetCaption("Skill level:");  // right-justified: the right edge stays
  EXPECT_GT(label.Width(), shortWidth);
  EXPECT_EQ(label.Left() + label.Width(), 100 + shortWidth);
  label.SetAutoSize(false);
  label.SetCaption("S");
  EXPECT_GT(label.Width(), shortWidth);
  label.SetCaption("");  // an empty caption keeps the height of a line
  label.SetAutoSize(true);
  EXPECT_EQ(label.Height(), size.cy);
  EXPECT_GT(label.Width(), 0);
}

TEST(LabelTest, PaintsBackgroundUnlessTransparentAndGreysWhenDisabled) {
  const COLORREF kRed = RGB(255, 0, 0);
  fw::TLabel label(nullptr);
  label.SetAutoSize(false);
  label.SetBounds(0, 0, 60, 20);
  label.Font()->SetColor(fw::clRed);
  label.SetCaption("WWW");
  {
    Canvas c(60, 20);
    label.Paint(c.Dc());
    EXPECT_EQ(c.At(59, 19), kFace);
    EXPECT_TRUE(c.Any(kRed, RECT{0, 0, 60, 20}));
  }
  label.SetTransparent(true);
  label.SetEnabled(false);
  {
    Canvas c(60, 20);
    label.Paint(c.Dc());
    EXPECT_EQ(c.At(59, 19), kBlank);
    EXPECT_FALSE(c.Any(kRed, RECT{0, 0, 60, 20}));
    EXPECT_TRUE(c.Any(kShadow, RECT{0, 0, 60, 20}));
  }
}

// A BMP file of 8 bits per pixel, run-length encoded: a red top row over a blue bottom row.
std::string RedOverBlueRle8(int width) {
  std::string pixels;
  for (char index : {'\1', '\0'}) {  // rows bottom up: blue (1), then red (0)
    pixels += static_cast<char>(width);
    pixels += index;
    pixels += std::string("\0\0", 2);  // end of line
  }
  pixels += std::string("\0\1", 2);                // end of bitmap
  std::string palette("\0\0\xFF\0\xFF\0\0\0", 8);  // red, blue (blue, green, red, reserved)
  auto u32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
  auto u16 = [](uint16_t v) { return std::string{char(v), char(v >> 8)}; };
  std::string info = u32(40) + u32(width) + u32(2) + u16(1) + u16(8) + u32(BI_RLE8) +
                     u32(static_cast<uint32_t>(pixels.size())) + u32(0) + u32(0) + u32(2) + u32(0);
  uint32_t offset = 14 + static_cast<uint32_t>(info.size() + palette.size());
  return "BM" + u32(offset + static_cast<uint32_t>(pixels.size())) + u32(0) + u32(offset) + info + palette +
         pixels;
}

TEST(ImageTest, PictureAtTheCornerCentredOrStretched) {
  const COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);
  fw::TImage image(nullptr);
  image.SetBounds(0, 0, 10, 10);
  image.Picture()->SetData(RedOverBlueRle8(4));
  ASSERT_EQ(image.Picture()->Width(), 4);
  {
    Canvas c(10, 10);
    image.Paint(c.Dc());
    EXPECT_EQ(c.At(0, 0), kRed);
    EXPECT_EQ(c.At(3, 1), kBlue);
    EXPECT_EQ(c.At(4, 0), kBlank);
  }
  image.SetCenter(true);
  {
    Canvas c(10, 10);
    image.Paint(c.Dc());
    EXPECT_EQ(c.At(3, 4), kRed);
    EXPECT_EQ(c.At(6, 5), kBlue);
    EXPECT_EQ(c.At(2, 4), kBlank);
    EXPECT_EQ(c.At(3, 6), kBlank);
  }
  image.SetStretch(true);
  {
    Canvas c(10, 10);
    image.Paint(c.Dc());
    EXPECT_EQ(c.At(0, 0), kRed);
    EXPECT_EQ(c.At(9, 4), kRed);
    EXPECT_EQ(c.At(0, 5), kBlue);
    EXPECT_EQ(c.At(9, 9), kBlue);
  }
}

TEST(ImageTest, DamagedPictureDrawsNothing) {
  fw::TImage image(nullptr);
  image.SetBounds(0, 0, 10, 10);
  std::string data = RedOverBlueRle8(4);
  image.Picture()->SetData(data.substr(0, 40));
  EXPECT_TRUE(image.Picture()->Empty());
  Canvas c(10, 10);
  image.Paint(c.Dc());
  EXPECT_FALSE(c.Any(RGB(255, 0, 0), RECT{0, 0, 10, 10}));
}

TEST(PaintInWindow, ControlsDrawnByTheirParentWindow) {
  // Through the window's own paint cycle: the panel, then its graphic children on top.
  stdtest::Stage window;
  auto* panel = new fw::TPanel(&window);
  panel->SetBounds(10, 10, 200, 100);
  panel->SetBevelInner(fw::bvLowered);
  static_cast<fw::TControl*>(panel)->SetParent(&window);
  auto* bevel = new fw::TBevel(&window);
  bevel->SetBounds(20, 20, 60, 40);
  bevel->SetShape(fw::bsFrame);
  static_cast<fw::TControl*>(bevel)->SetParent(panel);
  auto* label = new fw::TLabel(&window);
  label->SetBounds(100, 20, 10, 10);
  label->SetCaption("Label");
  static_cast<fw::TControl*>(label)->SetParent(panel);
  HWND hwnd = panel->Handle();
  RedrawWindow(window.Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  HDC dc = GetDC(hwnd);
  EXPECT_EQ(GetPixel(dc, 0, 50), kLight);
  EXPECT_EQ(GetPixel(dc, 20, 30), kShadow);  // the bevel's left edge, at its place on the panel
  EXPECT_EQ(GetPixel(dc, 21, 30), kLight);
  ReleaseDC(hwnd, dc);
  EXPECT_GT(label->Width(), 10);
}

}  // namespace
