#include "controls/alpha_panel.h"
#include "framework/core/property_builders.h"

namespace gv {

const fw::ClassInfo& TAlphaPanel::StaticClass() {
  using fw::TControl;
  using fw::TCustomPanel;
  using T = TAlphaPanel;
  static const fw::PropInfo kProps[] = {
      fw::EnumProp<&TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner>("BevelInner", fw::kBevelCutType,
                                                                            fw::bvNone),
      fw::EnumProp<&TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter>("BevelOuter", fw::kBevelCutType,
                                                                            fw::bvRaised),
      fw::IntProp<&TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth>("BevelWidth", 1),
      fw::IntProp<&TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth>("BorderWidth", 0),
      fw::EnumProp<&TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle>(
          "BorderStyle", fw::kPanelBorderStyleType, TCustomPanel::bsNone),
      fw::BoolProp<&TCustomPanel::Ctl3D, &TCustomPanel::SetCtl3D>("Ctl3D", true),
      fw::IntProp<&TControl::Cursor, &TControl::SetCursor>("Cursor", 0).WithIdents(fw::kCursorIdents),
      fw::IntProp<&TControl::HelpContext, &TControl::SetHelpContext>("HelpContext", 0),
      fw::BoolProp<&TCustomPanel::Locked, &TCustomPanel::SetLocked>("Locked", false),
      fw::BoolProp<&TCustomPanel::ParentColor, &TCustomPanel::SetParentColor>("ParentColor", false),
      fw::BoolProp<&TCustomPanel::ParentCtl3D, &TCustomPanel::SetParentCtl3D>("ParentCtl3D", true),
      fw::CharProp<&T::ActiveButton, &T::SetActiveButton>("ActiveButton", 0),
      fw::BoolProp<&T::AllowAllUp, &T::SetAllowAllUp>("AllowAllUp", false),
      fw::ObjectProp<&T::AlphaButtons>("AlphaButtons"),
      fw::IntProp<&T::BlankXSize, &T::SetBlankXSize>("BlankXSize", 9),
      fw::IntProp<&T::BlankYSize, &T::SetBlankYSize>("BlankYSize", 9),
      fw::ObjectProp<&T::ButtonFont>("ButtonFont"),
      fw::IntProp<&T::ButtonHeight, &T::SetButtonHeight>("ButtonHeight", 18),
      fw::IntProp<&T::ButtonLeftMargin, &T::SetButtonLeftMargin>("ButtonLeftMargin", 2),
      fw::IntProp<&T::ButtonTopMargin, &T::SetButtonTopMargin>("ButtonTopMargin", 2),
      fw::IntProp<&T::ButtonWidth, &T::SetButtonWidth>("ButtonWidth", 18),
      fw::IntProp<&T::ButtonXSpacing, &T::SetButtonXSpacing>("ButtonXSpacing", -1),
      fw::IntProp<&T::ButtonYSpacing, &T::SetButtonYSpacing>("ButtonYSpacing", -1),
      fw::BoolProp<&T::CatchButtons, &T::SetCatchButtons>("CatchButtons", false).NoDefault(),
      fw::EventProp<&T::onValueChange>("OnValueChange"),
  };
  static const fw::ClassInfo info = fw::MakeClass<TAlphaPanel, fw::TCustomPanel>("TAlphaPanel", kProps);
  return info;
}

TAlphaPanel::TAlphaPanel(fw::Component* owner) : TCustomPanel(owner) {
  SetBounds(Left(), Top(), 448, 22);
  SetCaptionFollowsName(false);
  {
    // The buttons' font starts as the one a new speed button has.
    TSpeedButton sample(nullptr);
    buttonFont_.Assign(*sample.Font());
  }
  alphaButtons_.onChange = [this] { LinesChanged(); };
}

TAlphaPanel::~TAlphaPanel() {
  // The buttons' click handlers point here: they go before the panel does.
  alphaButtons_.onChange = nullptr;
  DestroyButtons();
}

void TAlphaPanel::SetActiveButton(char c) {
  if (IsLoading()) {
    active_ = c;  // its button is put down once the grid is made
    return;
  }
  if (c == 0 && catchButtons_) {
    // The button is asked to come up; it stays down while its group needs one down.
    if (TSpeedButton* button = FindButton(active_)) button->SetDown(false);
    active_ = 0;
  } else {
    active_ = c;
    if (catchButtons_)
      if (TSpeedButton* button = FindButton(c)) button->SetDown(true);
  }
  ValueChange();
}

void TAlphaPanel::SetAllowAllUp(bool allow) {
  if (fw::SetField(allowAllUp_, allow) && catchButtons_ && !IsLoading()) UpdateButtons();
}

void TAlphaPanel::SetCatchButtons(bool catchButtons) {
  if (fw::SetField(catchButtons_, catchButtons) && !IsLoading()) UpdateButtons();
}

void TAlphaPanel::Rebuild() {
  if (IsLoading()) return;  // the grid is made once, after loading
  DestroyButtons();
  CreateButtons();
}

void TAlphaPanel::LinesChanged() {
  if (IsLoading()) return;  // keeps the ActiveButton read from the text
  active_ = 0;
  Rebuild();
  ValueChange();
}

void TAlphaPanel::CreateButtons() {
  lastButton_ = nullptr;
  for (const AlphaSlot& slot : LayOutAlphaButtons(alphaButtons_.Lines(), metrics_)) {
    auto* button = new TSpeedButton(this);
    button->SetParent(this);
    button->SetBounds(slot.x, slot.y, metrics_.buttonWidth, metrics_.buttonHeight);
    button->SetCaption(std::string(1, slot.character));
    button->SetTag(static_cast<unsigned char>(slot.character));
    button->onClick = fw::Method{"", [this](fw::Component* sender) { ButtonClick(sender); }};
    button->Font()->Assign(buttonFont_);
    button->SetParentFont(false);
    button->SetVisible(true);
    lastButton_ = button;
  }
  UpdateButtons();
}

void TAlphaPanel::DestroyButtons() {
  std::vector<fw::TControl*> children = Controls();
  for (fw::TControl* c : children)
    if (c->Owner() == this) delete c;
  lastButton_ = nullptr;
}

void TAlphaPanel::UpdateButtons() {
  if (lastButton_) lastButton_->SetAllowAllUp(true);  // lets a down button of the group come up
  std::vector<fw::TControl*> children = Controls();
  for (fw::TControl* c : children) {
    if (auto* button = dynamic_cast<TSpeedButton*>(c)) {
      button->SetDown(false);
      button->SetGroupIndex(catchButtons_ ? 1 : 0);
    }
  }
  if (lastButton_ && !allowAllUp_) lastButton_->SetAllowAllUp(false);  // the group takes it over
  if (active_ != 0)
    if (TSpeedButton* button = FindButton(active_)) button->SetDown(catchButtons_);
}

TSpeedButton* TAlphaPanel::FindButton(char c) const {
  const auto& children = Controls();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    auto* button = dynamic_cast<TSpeedButton*>(*it);
    if (button && button->Tag() == static_cast<unsigned char>(c)) return button;
  }
  return nullptr;
}

void TAlphaPanel::ButtonClick(fw::Component* sender) {
  auto* button = dynamic_cast<TSpeedButton*>(sender);
  if (!button) return;
  auto c = static_cast<char>(button->Tag());
  if (catchButtons_)
    active_ = button->Down() ? c : 0;
  else
    active_ = c;
  ValueChange();
}

void TAlphaPanel::ValueChange() {
  fw::Method handler = onValueChange;  // the handler may replace it
  handler(this);
}

void TAlphaPanel::Loaded() {
  TCustomPanel::Loaded();
  // Layout writes made while reading only stored their values: the grid is made here, once.
  DestroyButtons();
  CreateButtons();
}

void TAlphaPanel::Notification(fw::Component* component) {
  if (component == lastButton_) lastButton_ = nullptr;
  TCustomPanel::Notification(component);
}

}  // namespace gv
