// Where the button-bar panel puts its character buttons: one row per line of text, a gap for
// each space, a short gap for each empty line. Positions are 16-bit unsigned values and the
// spacings are added in the same 16 bits, so a spacing of -1 steps back one pixel (neighbouring
// buttons share a border line).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gv {

struct AlphaMetrics {
  uint16_t blankXSize = 9;
  uint16_t blankYSize = 9;
  uint16_t buttonHeight = 18;
  uint16_t buttonLeftMargin = 2;
  uint16_t buttonTopMargin = 2;
  uint16_t buttonWidth = 18;
  int32_t buttonXSpacing = -1;
  int32_t buttonYSpacing = -1;
};

struct AlphaSlot {
  char character;
  uint16_t x, y;
};

// The buttons of the lines, in order of making. A line that is not empty is a row of
// ButtonHeight, also when it ends in (or holds only) spaces.
std::vector<AlphaSlot> LayOutAlphaButtons(const std::vector<std::string>& lines, const AlphaMetrics& m);

}  // namespace gv
