// Layout arithmetic of the button-bar panel's character grid (platform-free).
#include "controls/alpha_panel_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gv {
namespace {

std::string Describe(const std::vector<AlphaSlot>& slots) {
  std::string s;
  for (const AlphaSlot& slot : slots)
    s += std::string(1, slot.character) + "@" + std::to_string(slot.x) + "," + std::to_string(slot.y) + " ";
  return s;
}

TEST(AlphaLayoutTest, RowsShareOneBorderLineWithTheDefaultSpacings) {
  EXPECT_EQ(Describe(LayOutAlphaButtons({"ABC", "D F"}, AlphaMetrics{})),
            "A@2,2 B@19,2 C@36,2 D@2,19 F@28,19 ");
  EXPECT_TRUE(LayOutAlphaButtons({}, AlphaMetrics{}).empty());
}

TEST(AlphaLayoutTest, EmptyLineAdvancesByBlankHeightPlusSpacing) {
  EXPECT_EQ(Describe(LayOutAlphaButtons({"A", "", "B"}, AlphaMetrics{})), "A@2,2 B@2,27 ");
  EXPECT_EQ(Describe(LayOutAlphaButtons({"", "", "B"}, AlphaMetrics{})), "B@2,18 ");
}

TEST(AlphaLayoutTest, LinesEndingInOrMadeOfSpacesAreFullRows) {
  EXPECT_EQ(Describe(LayOutAlphaButtons({"A ", "B"}, AlphaMetrics{})), "A@2,2 B@2,19 ");
  EXPECT_EQ(Describe(LayOutAlphaButtons({"  ", "B"}, AlphaMetrics{})), "B@2,19 ");
}

TEST(AlphaLayoutTest, SixteenBitArithmeticWraps) {
  AlphaMetrics m;
  m.buttonXSpacing = -30;  // steps back past the margin: wraps below 0
  m.buttonLeftMargin = 0;
  m.buttonWidth = 10;
  m.buttonYSpacing = 65536 + 5;  // only the low 16 bits count
  std::vector<AlphaSlot> slots = LayOutAlphaButtons({"AB", "C"}, m);
  ASSERT_EQ(slots.size(), 3u);
  EXPECT_EQ(slots[1].x, 65516);
  EXPECT_EQ(slots[2].y, 2 + 18 + 5);

  m.buttonTopMargin = 65530;
  EXPECT_EQ(LayOutAlphaButtons({"A", "B"}, m)[1].y, (65530 + 18 + 5) - 65536);
}

}  // namespace
}  // namespace gv
