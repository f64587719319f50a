#include "controls/alpha_panel_layout.h"

namespace gv {

namespace {
uint16_t Add16(uint16_t a, int32_t b) { return static_cast<uint16_t>(a + static_cast<uint16_t>(b)); }
}  // namespace

std::vector<AlphaSlot> LayOutAlphaButtons(const std::vector<std::string>& lines, const AlphaMetrics& m) {
  std::vector<AlphaSlot> slots;
  uint16_t x = m.buttonLeftMargin, y = m.buttonTopMargin;
  for (const std::string& line : lines) {
    if (line.empty()) {
      y = Add16(y, m.blankYSize);
    } else {
      for (char c : line) {
        if (c == ' ') {
          x = Add16(x, m.blankXSize);
          continue;
        }
        slots.push_back(AlphaSlot{c, x, y});
        x = Add16(Add16(x, m.buttonWidth), m.buttonXSpacing);
      }
      y = Add16(y, m.buttonHeight);
    }
    y = Add16(y, m.buttonYSpacing);
    x = m.buttonLeftMargin;
  }
  return slots;
}

}  // namespace gv
