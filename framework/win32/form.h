// Forms: the top-level windows of the program. A form is read from its description, shows
// itself normal, minimised or maximised, runs modally, and closes through one sequence (close
// query, OnClose, then the application ends or the form hides). It keeps track of the control
// that has the keyboard focus and moves the focus on for Tab and the arrow keys.
#pragma once

#include <functional>

#include "framework/win32/win_control.h"

namespace fw {

enum TBorderStyle : int { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
extern const EnumType kFormBorderStyleType;
// BorderIcons is a set: one bit per member, in this order.
enum TBorderIcon : int { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
extern const EnumType kBorderIconType;
enum TFormStyle : int { fsNormal, fsStayOnTop };
extern const EnumType kFormStyleType;
enum TPosition : int { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter };
extern const EnumType kPositionType;
enum TWindowState : int { wsNormal, wsMinimized, wsMaximized };
extern const EnumType kWindowStateType;

// What ended a modal display.
enum TModalResult : int { mrNone, mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrYes, mrNo, mrAll };

class TForm : public TWinControl {
 public:
  FW_CLASS()

  explicit TForm(Component* owner);
  ~TForm() override;

  TWinControl* ActiveControl() const { return activeControl_; }
  // The control that Enter presses wherever the focus is in the form, unless the focused control
  // takes Enter itself (an open drop-down list) or a default button of a modal form answers it.
  TControl* DefaultControl() const { return defaultControl_; }
  void SetDefaultControl(TControl* control) { defaultControl_ = control; }
  void SetActiveControl(TWinControl* control);  // focuses it when the form is active
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);
  int BorderIcons() const { return borderIcons_; }  // TBorderIcon bits
  void SetBorderIcons(int icons);
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle style);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState state);  // wsNormal on a shown form restores and activates it

  // Width and Height are the outer size; the client size follows from the frame of the styles.
  int ClientWidth() const;
  void SetClientWidth(int width);
  int ClientHeight() const;
  void SetClientHeight(int height);
  RECT ClientRect() const override;
  POINT ClientToScreen(POINT p) const override;

  void Show();
  void Hide();
  void Update();  // paints what is invalid now, without a message loop
  // Shows the form and runs messages until ModalResult is set (a button with a ModalResult,
  // or the close command: mrCancel), with the other windows of the program disabled. The form
  // is hidden again, not destroyed.
  int ShowModal();
  bool Modal() const { return modal_; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  // The close sequence: close query, OnClose, then the application ends (main form), the
  // modal display ends, or the form hides. WM_CLOSE (close box, system menu) runs it too; the
  // end of the session (WM_QUERYENDSESSION) runs the close query alone and answers with it.
  void Close();
  // Deletes the form once the current message has been handled: safe from its own handlers.
  void Release();

  // Moves the focus to the next (or previous) control after current in tab order, through
  // containers, skipping controls that cannot take the focus and, with checkTabStop, those
  // without TabStop. Returns false when no control qualifies.
  bool SelectNext(TWinControl* current, bool forward, bool checkTabStop);
  // The arrow keys: the next or previous control of current's parent that can take the focus,
  // the contents of a frame taken where the frame stands (a frame never takes the focus).
  bool SelectSibling(TWinControl* current, bool forward);
  // Enter and Escape: in a modal form offered to the focused control first, then to every control
  // of the form; then Enter presses the default control, if it can be clicked.
  bool DialogKey(UINT key) override;

  Method onActivate, onClose, onCreate, onDeactivate, onDestroy, onHide, onResize, onShow;
  // Runs first in Close; clearing canClose stops the close. Not published: a C++ hook that
  // components (the settings store) chain into.
  std::function<void(Component* sender, bool& canClose)> onCloseQuery;

  virtual void DoCreate() { onCreate(this); }
  void ChildDestroyed(TControl* control) override;
  void FocusChanged(TWinControl* control) override;
  void Loaded() override;
  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 protected:
  virtual bool CloseQuery();
  void CreateParamsFor(CreateParams& params) override;
  void CreateWnd() override;
  // Nothing of a form shown minimised can be seen: its controls get their windows when it is
  // first restored (the program starts sooner).
  bool ShowsChildren() const override { return windowState_ != wsMinimized; }
  void BoundsChanged() override;
  void VisibleChanged() override;

 private:
  static constexpr UINT kReleaseMessage = WM_USER + 1;

  // The window styles that BorderStyle, BorderIcons and FormStyle give.
  void WindowStyles(DWORD& style, DWORD& ex) const;
  void ApplyStyles();
  RECT FrameInsets() const;  // left, top, right and bottom frame widths of the styles
  void SyncBounds();         // bounds from the window (the normal-position ones while minimised)
  void Resized();
  bool Activated(bool active, bool minimized);

  TWinControl* activeControl_ = nullptr;   // has, or gets on activation, the focus
  TWinControl* focusedControl_ = nullptr;  // whose OnEnter ran last
  TControl* defaultControl_ = nullptr;
  TBorderStyle borderStyle_ = bsSizeable;
  int borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TFormStyle formStyle_ = fsNormal;
  TPosition position_ = poDesigned;
  TWindowState windowState_ = wsNormal;
  int loadedClientWidth_ = -1, loadedClientHeight_ = -1;  // applied once the styles are read
  bool syncing_ = false, resizing_ = false, modal_ = false;
  int modalResult_ = mrNone;
};

// The form a control stands on; null if it stands on none.
TForm* GetParentForm(TControl* control);

}  // namespace fw
