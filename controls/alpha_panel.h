// The button-bar panel: a raised panel that can fill itself with a grid of one-character speed
// buttons laid out from the lines of AlphaButtons, and tells which character is active.
// Without CatchButtons the buttons are push buttons and a click makes its character active;
// with it they form one latched group (GroupIndex 1) and the active character follows the
// down button. With no lines it is a plain panel that holds other controls.
#pragma once

#include <string>
#include <vector>

#include "controls/alpha_panel_layout.h"
#include "controls/speed_button.h"
#include "framework/core/string_list.h"
#include "framework/stdctrls/panel.h"
#include "framework/win32/font.h"

namespace gv {

class TAlphaPanel : public fw::TCustomPanel {
 public:
  FW_CLASS()

  explicit TAlphaPanel(fw::Component* owner);
  ~TAlphaPanel() override;

  // The active character; #0 for none. A write puts its button down (latched mode) and
  // raises OnValueChange.
  char ActiveButton() const { return active_; }
  void SetActiveButton(char c);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool allow);
  bool CatchButtons() const { return catchButtons_; }
  void SetCatchButtons(bool catchButtons);

  // The layout text. Every change of the list (outside loading) is a write: the grid is made
  // again, the active character becomes #0 and OnValueChange is raised.
  fw::TStrings* AlphaButtons() { return &alphaButtons_; }
  void SetAlphaButtons(const std::vector<std::string>& lines) { alphaButtons_.SetStrings(lines); }

  // The font the character buttons are made with; changing it in place reaches no button.
  fw::TFont* ButtonFont() { return &buttonFont_; }

  int BlankXSize() const { return metrics_.blankXSize; }
  void SetBlankXSize(int v) { SetMetric(&AlphaMetrics::blankXSize, v); }
  int BlankYSize() const { return metrics_.blankYSize; }
  void SetBlankYSize(int v) { SetMetric(&AlphaMetrics::blankYSize, v); }
  int ButtonHeight() const { return metrics_.buttonHeight; }
  void SetButtonHeight(int v) { SetMetric(&AlphaMetrics::buttonHeight, v); }
  int ButtonLeftMargin() const { return metrics_.buttonLeftMargin; }
  void SetButtonLeftMargin(int v) { SetMetric(&AlphaMetrics::buttonLeftMargin, v); }
  int ButtonTopMargin() const { return metrics_.buttonTopMargin; }
  void SetButtonTopMargin(int v) { SetMetric(&AlphaMetrics::buttonTopMargin, v); }
  int ButtonWidth() const { return metrics_.buttonWidth; }
  void SetButtonWidth(int v) { SetMetric(&AlphaMetrics::buttonWidth, v); }
  int ButtonXSpacing() const { return metrics_.buttonXSpacing; }
  void SetButtonXSpacing(int v) { SetMetric(&AlphaMetrics::buttonXSpacing, v); }
  int ButtonYSpacing() const { return metrics_.buttonYSpacing; }
  void SetButtonYSpacing(int v) { SetMetric(&AlphaMetrics::buttonYSpacing, v); }

  fw::Method onValueChange;

  // Makes a button for every character of the lines (destroying none), then UpdateButtons.
  virtual void CreateButtons();
  // Destroys the buttons the panel made (the controls it owns); controls placed on the panel
  // by the window stay.
  void DestroyButtons();
  // Puts every speed button on the panel up and into group 1 (latched mode) or 0, passes
  // AllowAllUp to the group and puts the active character's button down in latched mode.
  void UpdateButtons();
  // The speed button on the panel whose Tag is the character's code, the later one of two;
  // null if none.
  TSpeedButton* FindButton(char c) const;
  // Click of a character button.
  void ButtonClick(fw::Component* sender);

  void Loaded() override;
  void Notification(fw::Component* component) override;

 private:
  // A metric of the grid: a new value makes the grid again.
  template <class T>
  void SetMetric(T AlphaMetrics::*field, int value) {
    if (fw::SetField(metrics_.*field, static_cast<T>(value))) Rebuild();
  }
  void Rebuild();
  void LinesChanged();
  void ValueChange();

  char active_ = 0;
  bool allowAllUp_ = false, catchButtons_ = false;
  AlphaMetrics metrics_;
  fw::TStrings alphaButtons_;
  fw::TFont buttonFont_;
  TSpeedButton* lastButton_ = nullptr;
};

}  // namespace gv
