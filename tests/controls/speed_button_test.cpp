// Speed buttons in a real window, driven by the mouse messages their parent receives.
// Before <windows.h>, whose RegisterClass macro would rename fw::RegisterClass.
#include "framework/core/class_info.h"

#include <gtest/gtest.h>

#include <memory>

#include "controls/register_controls.h"
#include "controls/speed_button.h"
#include "framework/core/component_reader.h"
#include "framework/core/desc_parser.h"
#include "tests/controls/test_host.h"

namespace gv {
namespace {

using Look = TSpeedButton::Look;

// A strip of frames of height h: frame i filled with colour i + 1, bottom-left pixel olive.
fw::BmpImage Strip(int frames, int h, int w = -1) {
  fw::BmpImage image;
  image.width = w < 0 ? frames * h : w;
  image.height = h;
  image.pixels.assign(static_cast<size_t>(image.width) * h, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < image.width; ++x) image.pixels[y * image.width + x] = 0x000001 * (x / h + 1);
  image.pixels[(h - 1) * image.width] = 0x808000;
  return image;
}

class SpeedButtonTest : public ::testing::Test {
 protected:
  void SetUp() override { host_.reset(TestHost::Attached()); }

  TSpeedButton* Add(int left, int group = 0) {
    auto* b = new TWin95SpeedButton(host_.get());
    b->SetParent(host_.get());
    b->SetBounds(left, 10, 25, 25);
    b->SetGroupIndex(group);
    b->onClick = fw::Method{"", [this](fw::Component*) { ++clicks_; }};
    return b;
  }

  std::unique_ptr<TestHost> host_;
  int clicks_ = 0;
};

TEST_F(SpeedButtonTest, NewButtonIsTwentyFiveSquareAndUp) {
  TWin95SpeedButton b(nullptr);
  EXPECT_EQ(b.Width(), 25);
  EXPECT_EQ(b.Height(), 25);
  EXPECT_FALSE(b.Down());
  EXPECT_EQ(b.NumGlyphs(), 1);
  EXPECT_EQ(b.CurrentLook(), Look::Up);
}

TEST_F(SpeedButtonTest, ClickOnlyWhenReleasedInside) {
  TSpeedButton* b = Add(10);
  HWND hwnd = host_->Handle();
  PressAt(hwnd, 20, 20);
  EXPECT_EQ(b->CurrentLook(), Look::Pressed);
  ReleaseAt(hwnd, 20, 20);
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(b->CurrentLook(), Look::Up);

  // Dragging off shows the resting look, back on the pressed look; released outside: no click.
  PressAt(hwnd, 20, 20);
  MoveTo(hwnd, 100, 100);
  EXPECT_EQ(b->CurrentLook(), Look::Up);
  MoveTo(hwnd, 30, 30);
  EXPECT_EQ(b->CurrentLook(), Look::Pressed);
  MoveTo(hwnd, -5, 20);
  ReleaseAt(hwnd, -5, 20);
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(b->CurrentLook(), Look::Up);
  EXPECT_FALSE(b->Down());

  // A release after a press elsewhere is no click either.
  PressAt(hwnd, 200, 200);
  ReleaseAt(hwnd, 20, 20);
  EXPECT_EQ(clicks_, 1);
}

TEST_F(SpeedButtonTest, DisabledButtonTakesNoClicks) {
  TSpeedButton* b = Add(10);
  b->SetEnabled(false);
  EXPECT_EQ(b->CurrentLook(), Look::Disabled);
  ClickControl(b);
  EXPECT_EQ(clicks_, 0);
  b->SetEnabled(true);
  ClickControl(b);
  EXPECT_EQ(clicks_, 1);

  // Disabled while the button is held: the release clicks nothing.
  PressAt(host_->Handle(), 20, 20);
  b->SetEnabled(false);
  ReleaseAt(host_->Handle(), 20, 20);
  EXPECT_EQ(clicks_, 1);
}

TEST_F(SpeedButtonTest, GroupKeepsOneButtonDownUnlessAllowAllUp) {
  TSpeedButton* a = Add(10, 1);
  TSpeedButton* b = Add(40, 1);
  TSpeedButton* other = Add(70, 2);
  other->SetDown(true);

  ClickControl(a);
  EXPECT_TRUE(a->Down());
  EXPECT_EQ(a->CurrentLook(), Look::Down);
  ClickControl(b);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  EXPECT_TRUE(other->Down());  // another group

  // The down button refuses to come up, by click or by program, yet the click is raised.
  ClickControl(b);
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(clicks_, 3);
  b->SetDown(false);
  EXPECT_TRUE(b->Down());

  // AllowAllUp set on one button reaches the whole group.
  a->SetAllowAllUp(true);
  EXPECT_TRUE(b->AllowAllUp());
  EXPECT_FALSE(other->AllowAllUp());
  ClickControl(b);
  EXPECT_FALSE(b->Down());
  EXPECT_FALSE(a->Down());

  // Setting Down from the program releases the group too.
  a->SetDown(true);
  b->SetDown(true);
  EXPECT_FALSE(a->Down());
}

TEST_F(SpeedButtonTest, GroupsAreLimitedToOneParent) {
  TSpeedButton* a = Add(10, 1);
  TestHost second;
  auto* elsewhere = new TSpeedButton(&second);
  elsewhere->SetParent(&second);
  elsewhere->SetGroupIndex(1);
  elsewhere->SetDown(true);
  a->SetDown(true);
  EXPECT_TRUE(elsewhere->Down());
}

TEST_F(SpeedButtonTest, PlainButtonNeverStaysDown) {
  TSpeedButton* b = Add(10);
  b->SetDown(true);
  EXPECT_FALSE(b->Down());
  ClickControl(b);
  EXPECT_FALSE(b->Down());

  // Leaving its group brings a down button up.
  b->SetGroupIndex(3);
  b->SetDown(true);
  b->SetGroupIndex(0);
  EXPECT_FALSE(b->Down());
}

TEST_F(SpeedButtonTest, GlyphFramesAndNumGlyphs) {
  TSpeedButton* b = Add(10);
  b->Glyph()->SetImage(Strip(2, 16));
  EXPECT_EQ(b->NumGlyphs(), 2);
  b->Glyph()->SetImage(Strip(4, 10));
  EXPECT_EQ(b->NumGlyphs(), 4);
  b->Glyph()->SetImage(Strip(5, 8));  // five frames is more than a button has
  EXPECT_EQ(b->NumGlyphs(), 1);
  b->SetNumGlyphs(3);
  b->Glyph()->SetImage(Strip(1, 16, 30));  // not a whole multiple: left as it is
  EXPECT_EQ(b->NumGlyphs(), 3);
  b->Glyph()->Clear();
  EXPECT_EQ(b->NumGlyphs(), 3);

  // Frames: up, disabled, pressed, down; missing ones use the up frame, except disabled,
  // which becomes the embossed copy (-1).
  b->SetNumGlyphs(1);
  EXPECT_EQ(b->FrameFor(Look::Disabled), -1);
  EXPECT_EQ(b->FrameFor(Look::Pressed), 0);
  EXPECT_EQ(b->FrameFor(Look::Down), 0);
  b->SetNumGlyphs(2);
  EXPECT_EQ(b->FrameFor(Look::Disabled), 1);
  EXPECT_EQ(b->FrameFor(Look::Pressed), 0);
  b->SetNumGlyphs(4);
  EXPECT_EQ(b->FrameFor(Look::Pressed), 2);
  EXPECT_EQ(b->FrameFor(Look::Down), 3);
}

TEST_F(SpeedButtonTest, ReadFromTextWhateverTheOrderOfDownAndGroupIndex) {
  RegisterControlClasses();
  fw::RegisterClasses<TestHost>();
  std::string glyph = fw::EncodeBmp(Strip(2, 4));
  std::string hex;
  for (unsigned char c : glyph) {
    static const char kDigits[] = "0123456789ABCDEF";
    hex += kDigits[c >> 4];
    hex += kDigits[c & 15];
  }
  TestHost root;
  fw::ReadRoot(&root, fw::desc::Parse("object Host: TTestHost\n"
                                      "  object B1: TWin95SpeedButton\n"
                                      "    Down = True\n"
                                      "    Glyph.Data = {" +
                                      hex +
                                      "}\n"
                                      "    GroupIndex = 1\n"
                                      "  end\n"
                                      "  object B2: TWin95SpeedButton\n"
                                      "    Down = True\n"
                                      "  end\n"
                                      "end\n"));
  auto* b1 = dynamic_cast<TSpeedButton*>(root.FindComponent("B1"));
  auto* b2 = dynamic_cast<TSpeedButton*>(root.FindComponent("B2"));
  ASSERT_TRUE(b1 && b2);
  EXPECT_TRUE(b1->Down());
  EXPECT_FALSE(b2->Down());  // group 0
  EXPECT_EQ(b1->NumGlyphs(), 2);
  EXPECT_EQ(b1->Glyph()->Width(), 8);
}

}  // namespace
}  // namespace gv
