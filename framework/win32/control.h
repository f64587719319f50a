// Controls: components with a place on a parent window. TControl is the base of all of them;
// graphic controls (labels, bevels, speed buttons) have no window of their own and are drawn
// by their parent, which also routes the mouse to them.
#pragma once

#include <windows.h>

#include <string>

#include "framework/core/component.h"
#include "framework/core/method.h"
#include "framework/win32/colors.h"
#include "framework/win32/font.h"

namespace fw {

class TWinControl;
class TPopupMenu;

enum TAlign : int { alNone, alTop, alBottom, alLeft, alRight, alClient };
extern const EnumType kAlignType;
enum TAlignment : int { taLeftJustify, taRightJustify, taCenter };
extern const EnumType kAlignmentType;
// The identifiers of the standard pointers (crDefault, crArrow, crHourGlass, ...).
extern const IntIdentMap kCursorIdents;

enum class MouseButton { Left, Right, Middle };

class TControl : public Component {
 public:
  FW_CLASS()

  explicit TControl(Component* owner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  // The outermost parent (the form a control stands on); the control itself if it has none.
  TControl* TopLevel();

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
  virtual RECT ClientRect() const { return RECT{0, 0, width_, height_}; }
  virtual POINT ClientToScreen(POINT p) const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // True when this control and every parent up to the form are visible (enabled).
  bool Showing() const;
  bool EnabledInTree() const;

  // The text of the control: a caption, or what an edit box holds.
  virtual std::string Text() const { return text_; }
  void SetText(const std::string& text);
  std::string Caption() const { return Text(); }
  void SetCaption(const std::string& text) { SetText(text); }

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  bool ShowHint() const;
  void SetShowHint(bool show);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool parent);

  TFont* Font() { return &font_; }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool parent);
  TColor Color() const { return color_; }
  void SetColor(TColor color);

  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }

  // The pointer shown over the control (one of the cr identifiers; crDefault leaves it to the
  // window), and its topic in a help file.
  int Cursor() const { return cursor_; }
  void SetCursor(int cursor) { cursor_ = cursor; }
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int context) { helpContext_ = context; }

  Method onClick;
  virtual void Click() { onClick(this); }
  // What a click of the left mouse button on the control does, done without the mouse: for the
  // form's default control (Enter) and for assistive technology's default action.
  virtual void Press() { Click(); }

  // What assistive technology is told of a control drawn without a window: its role (one of the
  // platform's ROLE_SYSTEM_ values; 0 keeps the control from it) and its name. A windowed
  // control is the platform's to present.
  virtual long AccessibleRole() const { return 0; }
  virtual std::string AccessibleName() const { return Caption(); }
  // The windowed control whose name this control's caption gives (a label's FocusControl).
  virtual TWinControl* NamedControl() const { return nullptr; }

  // Mouse input, in client coordinates. A windowed control gets it from its window; a graphic
  // control from its parent.
  virtual void MouseDown(MouseButton, int /*x*/, int /*y*/) {}
  virtual void MouseMove(int /*x*/, int /*y*/) {}
  virtual void MouseUp(MouseButton, int /*x*/, int /*y*/) {}
  // The second press of a double click, after its MouseDown.
  virtual void DblClick() {}

  virtual void Invalidate();

  // Nesting in description text: a control is written inside its parent.
  bool HasParent() const override { return true; }
  Component* ParentComponent() const override;
  void SetParentComponent(Component* parent) override;
  void Notification(Component* component) override;

  // Called by the parent when its font or hint setting changes.
  void ParentFontChanged();
  // Called by the parent once its window has been made, before anything is drawn in it.
  virtual void ParentWindowCreated() {}

 protected:
  // Sets a field that only changes how the control looks, and repaints it when the value is new.
  template <class T>
  void SetAndInvalidate(T& field, T value) {
    if (SetField(field, value)) Invalidate();
  }

  virtual void BoundsChanged() {}
  virtual void TextChanged() { Invalidate(); }
  virtual void EnabledChanged() { Invalidate(); }
  virtual void VisibleChanged() {}
  virtual void FontChanged() { Invalidate(); }
  virtual void ColorChanged() { Invalidate(); }
  // Lets a class hold its text elsewhere (an edit box's window).
  virtual void StoreText(const std::string& text) { text_ = text; }

 private:
  bool IsFontStored() const { return !parentFont_; }
  bool IsShowHintStored() const { return !parentShowHint_; }

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = alNone;
  bool visible_ = true, enabled_ = true;
  std::string text_, hint_;
  bool showHint_ = false, parentShowHint_ = true;
  TFont font_;
  bool parentFont_ = true, adoptingFont_ = false;
  TColor color_ = clBtnFace;
  TPopupMenu* popupMenu_ = nullptr;
  int cursor_ = 0, helpContext_ = 0;
};

// A control drawn on its parent's window.
class TGraphicControl : public TControl {
 public:
  FW_CLASS()
  using TControl::TControl;

  virtual void Paint(HDC dc) = 0;
  void Invalidate() override;

 protected:
  void BoundsChanged() override;
  void EnabledChanged() override;
  void VisibleChanged() override;
};

}  // namespace fw
