// Windowed controls: a control with a window handle, child controls, a tab order and the
// keyboard focus. Every window of ours goes through one window procedure, which finds the
// object in GWLP_USERDATA and calls its WndProc; native controls (BUTTON, EDIT, COMBOBOX) are
// subclassed into the same path, and their parent reflects WM_COMMAND back to them. A control's
// window is made with its parent's if the control is visible, else when it is first shown or
// its Handle() is asked for: the pages a notebook does not show cost nothing at start-up.
//
// The class is implemented by concern: win_control.cpp (the object, its children and painting),
// window_procedure.cpp (the procedure, subclassing, making the window), child_layout.cpp
// (z-order and aligned children), tab_order.cpp (tab order and focus), mouse_routing.cpp (mouse
// input to graphic children, pop-up menus).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/win32/control.h"

namespace fw {

LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK SubclassProcedure(HWND, UINT, WPARAM, LPARAM);

struct CreateParams {
  const char* className = nullptr;  // null: our own window class
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD exStyle = 0;
  HWND parent = nullptr;
  std::string caption;
  bool showWhenVisible = true;  // false: made hidden whatever Visible says; the class shows it (forms)
};

class TWinControl : public TControl {
 public:
  FW_CLASS()

  explicit TWinControl(Component* owner);
  ~TWinControl() override;

  HWND Handle();  // creates the window (and those of its parents) when needed; null once destroying
  bool HandleAllocated() const { return handle_ != nullptr; }
  HWND HandleIfAllocated() const { return handle_; }
  static TWinControl* FromHandle(HWND hwnd);
  // The control a window belongs to: ours, or a native window inside one of ours (the edit of a
  // combo box); null if none.
  static TWinControl* ControlOfWindow(HWND hwnd);

  const std::vector<TControl*>& Controls() const { return controls_; }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  // The graphic child under a point of the client area, topmost first; null if none.
  TControl* ControlAtPos(POINT p, bool allowDisabled) const;

  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool stop) { tabStop_ = stop; }
  // Children in tab order.
  std::vector<TWinControl*> TabList() const;

  bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  // Whether arrow keys belong to the control (an edit moves its caret) rather than moving
  // the focus on to the next control.
  virtual bool WantsArrows() const { return true; }
  // The control that takes the focus when the arrow keys move it here from `from`: this one,
  // unless it stands for a group (a radio button hands it to its group's choice).
  virtual TWinControl* FocusTargetFrom(const TWinControl* /*from*/) { return this; }
  // Enter (VK_RETURN) or Escape (VK_ESCAPE) pressed in the control's window: a default or
  // cancel button clicks itself and returns true.
  virtual bool DialogKey(UINT /*key*/) { return false; }

  Method onEnter, onExit;
  virtual void DoEnter() { onEnter(this); }
  virtual void DoExit() { onExit(this); }

  // Told when a control inside this one is destroyed; passes it up. The form drops its
  // focus and hint references there.
  virtual void ChildDestroyed(TControl* control);
  // Told when a window inside this one receives the keyboard focus; passes it up.
  virtual void FocusChanged(TWinControl* control);
  void Loaded() override;

  void AlignControls();
  void Invalidate() override;
  void GetChildren(std::vector<Component*>& children, Component* root) const override;

  // Messages of this window (and, for native controls, reflected notifications): return true
  // when handled, with the result in result. Overrides call the base for what they leave.
  virtual bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);

 protected:
  // The text the window holds while it exists, else the text kept in the object: Text of a
  // native control whose window holds what the user types.
  std::string WindowText() const;

  virtual void CreateParamsFor(CreateParams& params);
  virtual void CreateWnd();
  virtual void DestroyWnd();
  // After the window exists: push the state that was kept while there was none.
  virtual void WindowCreated() {}
  // False while nothing inside the window can be seen: the children's windows then wait for
  // CreateChildWindows (or a handle asked for).
  virtual bool ShowsChildren() const { return true; }
  // Makes the windows of the visible children that have none.
  void CreateChildWindows();
  // Paints the background and border of our own windows; graphic children are drawn after.
  virtual void PaintWindow(HDC dc);
  void PaintControls(HDC dc);
  // A WM_COMMAND or WM_NOTIFY for this native control, sent to its parent.
  virtual bool Notify(UINT /*code*/, LRESULT& /*result*/) { return false; }

  void BoundsChanged() override;
  void TextChanged() override;
  void EnabledChanged() override;
  void VisibleChanged() override;
  void FontChanged() override;
  void SetParent(TWinControl* parent) override;

 private:
  friend LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT CALLBACK SubclassProcedure(HWND, UINT, WPARAM, LPARAM);

  bool HandleMouse(UINT msg, WPARAM wp, LPARAM lp);
  bool HandleContextMenu(HWND target, LPARAM lp);
  bool HandleControlColor(HDC dc, HWND child, LRESULT& result);
  void PlaceInZOrder();
  HBRUSH Brush();

  // Parts the window from this object: the native procedure back in place, no object pointer.
  void Detach();

  HWND handle_ = nullptr;
  bool native_ = false;
  WNDPROC nativeProc_ = nullptr;  // a native control's own window procedure
  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  bool tabStop_ = false;
  int loadedTabOrder_ = -1;  // TabOrder read from text, applied once the siblings exist
  TControl* mouseCapture_ = nullptr;
  HBRUSH brush_ = nullptr;
  TColor brushColor_ = 0;
};

}  // namespace fw
