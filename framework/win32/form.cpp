#include "framework/win32/form.h"

#include <algorithm>
#include <exception>

#include "framework/core/property_builders.h"
#include "framework/win32/application.h"

namespace fw {

namespace {

const char* const kBorderStyleNames[] = {"bsNone",   "bsSingle",     "bsSizeable",
                                         "bsDialog", "bsToolWindow", "bsSizeToolWin"};
const char* const kBorderIconNames[] = {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};
const char* const kFormStyleNames[] = {"fsNormal", "fsStayOnTop"};
const char* const kPositionNames[] = {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                                      "poScreenCenter"};
const char* const kWindowStateNames[] = {"wsNormal", "wsMinimized", "wsMaximized"};

// Normal-position bounds are kept in workspace coordinates, except for tool windows.
POINT WorkspaceOrigin(HWND hwnd) {
  RECT work{};
  if ((GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) ||
      !SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
    return POINT{0, 0};
  return POINT{work.left, work.top};
}

}  // namespace

const EnumType kFormBorderStyleType{"TFormBorderStyle", kBorderStyleNames, 6};
const EnumType kBorderIconType{"TBorderIcon", kBorderIconNames, 4};
const EnumType kFormStyleType{"TFormStyle", kFormStyleNames, 2};
const EnumType kPositionType{"TPosition", kPositionNames, 5};
const EnumType kWindowStateType{"TWindowState", kWindowStateNames, 3};

const ClassInfo& TForm::StaticClass() {
  static const PropInfo kProps[] = {
      BoolProp<&TControl::Visible, &TControl::SetVisible>("Visible", false),
      RefProp<&TForm::ActiveControl, &TForm::SetActiveControl>("ActiveControl"),
      SetProp<&TForm::BorderIcons, &TForm::SetBorderIcons>("BorderIcons", kBorderIconType,
                                                           biSystemMenu | biMinimize | biMaximize),
      EnumProp<&TForm::BorderStyle, &TForm::SetBorderStyle>("BorderStyle", kFormBorderStyleType, bsSizeable),
      StrProp<&TControl::Caption, &TControl::SetCaption>("Caption"),
      IntProp<&TForm::ClientHeight, &TForm::SetClientHeight>("ClientHeight").NotStored(),
      IntProp<&TForm::ClientWidth, &TForm::SetClientWidth>("ClientWidth").NotStored(),
      EnumProp<&TForm::FormStyle, &TForm::SetFormStyle>("FormStyle", kFormStyleType, fsNormal),
      EnumProp<&TForm::Position, &TForm::SetPosition>("Position", kPositionType, poDesigned),
      EnumProp<&TForm::WindowState, &TForm::SetWindowState>("WindowState", kWindowStateType, wsNormal),
      EventProp<&TForm::onActivate>("OnActivate"),
      EventProp<&TForm::onClose>("OnClose"),
      EventProp<&TForm::onCreate>("OnCreate"),
      EventProp<&TForm::onDeactivate>("OnDeactivate"),
      EventProp<&TForm::onDestroy>("OnDestroy"),
      EventProp<&TForm::onHide>("OnHide"),
      EventProp<&TForm::onResize>("OnResize"),
      EventProp<&TForm::onShow>("OnShow"),
  };
  static const ClassInfo info = MakeClass<TForm, TWinControl>("TForm", kProps);
  return info;
}

TForm::TForm(Component* owner) : TWinControl(owner) { SetVisible(false); }

TForm::~TForm() {
  SetDestroying();
  try {
    onDestroy(this);
  } catch (const std::exception& e) {
    Application()->HandleException(e);
  }
  // The components go while the form and its window still exist, last first; then any child
  // control that the form does not own.
  DestroyComponents();
  while (!Controls().empty()) delete Controls().back();
  Application()->FormDestroyed(this);
}

void TForm::SetBorderStyle(TBorderStyle style) {
  if (SetField(borderStyle_, style)) ApplyStyles();
}

void TForm::SetBorderIcons(int icons) {
  if (SetField(borderIcons_, icons)) ApplyStyles();
}

void TForm::SetFormStyle(TFormStyle style) {
  if (SetField(formStyle_, style)) ApplyStyles();
}

void TForm::SetWindowState(TWindowState state) {
  if (!SetField(windowState_, state)) return;
  HWND hwnd = HandleIfAllocated();
  if (!hwnd || !Visible() || !IsWindowVisible(hwnd)) return;  // applied when shown
  ::ShowWindow(hwnd, state == wsMinimized   ? SW_MINIMIZE
                     : state == wsMaximized ? SW_SHOWMAXIMIZED
                                            : SW_RESTORE);
}

void TForm::WindowStyles(DWORD& style, DWORD& ex) const {
  style = WS_CLIPCHILDREN;
  ex = 0;
  const bool tool = borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin;
  switch (borderStyle_) {
    case bsNone:
      style |= WS_POPUP;
      break;
    case bsSingle:
    case bsToolWindow:
      style |= WS_CAPTION;
      break;
    case bsSizeable:
    case bsSizeToolWin:
      style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      style |= WS_POPUP | WS_CAPTION;
      ex |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
  }
  if (tool) ex |= WS_EX_TOOLWINDOW;
  if (borderStyle_ != bsNone && (borderIcons_ & biSystemMenu)) {
    style |= WS_SYSMENU;
    const bool boxes = borderStyle_ != bsDialog && !tool;
    if (boxes && (borderIcons_ & biMinimize)) style |= WS_MINIMIZEBOX;
    if (boxes && (borderIcons_ & biMaximize)) style |= WS_MAXIMIZEBOX;
    if ((borderIcons_ & biHelp) && !(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) ex |= WS_EX_CONTEXTHELP;
  }
  if (formStyle_ == fsStayOnTop) ex |= WS_EX_TOPMOST;
}

void TForm::CreateParamsFor(CreateParams& params) {
  TWinControl::CreateParamsFor(params);
  WindowStyles(params.style, params.exStyle);
  params.parent = nullptr;
  params.showWhenVisible = false;  // Show picks normal, minimised or maximised
}

void TForm::CreateWnd() {
  if (position_ == poScreenCenter) {
    SetBounds((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2, (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2,
              Width(), Height());
  }
  TWinControl::CreateWnd();
}

void TForm::ApplyStyles() {
  HWND hwnd = HandleIfAllocated();
  if (!hwnd) return;
  DWORD style, ex;
  WindowStyles(style, ex);
  const LONG kept = WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE;
  SetWindowLongA(hwnd, GWL_STYLE, (GetWindowLongA(hwnd, GWL_STYLE) & kept) | style);
  SetWindowLongA(hwnd, GWL_EXSTYLE, ex);
  SetWindowPos(hwnd, formStyle_ == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

RECT TForm::FrameInsets() const {
  DWORD style, ex;
  WindowStyles(style, ex);
  RECT r{0, 0, 0, 0};
  AdjustWindowRectEx(&r, style, FALSE, ex);
  return RECT{-r.left, -r.top, r.right, r.bottom};
}

RECT TForm::ClientRect() const {
  HWND hwnd = HandleIfAllocated();
  RECT r{};
  if (hwnd && !IsIconic(hwnd) && GetClientRect(hwnd, &r)) return r;
  RECT f = FrameInsets();
  return RECT{0, 0, std::max<LONG>(0, Width() - f.left - f.right),
              std::max<LONG>(0, Height() - f.top - f.bottom)};
}

POINT TForm::ClientToScreen(POINT p) const {
  HWND hwnd = HandleIfAllocated();
  if (hwnd && !IsIconic(hwnd)) {
    ::ClientToScreen(hwnd, &p);
    return p;
  }
  RECT f = FrameInsets();
  return POINT{Left() + f.left + p.x, Top() + f.top + p.y};
}

int TForm::ClientWidth() const { return ClientRect().right; }
int TForm::ClientHeight() const { return ClientRect().bottom; }

void TForm::SetClientWidth(int width) {
  if (IsLoading()) {
    loadedClientWidth_ = width;  // the frame depends on styles that may follow in the text
    return;
  }
  RECT f = FrameInsets();
  SetWidth(width + f.left + f.right);
}

void TForm::SetClientHeight(int height) {
  if (IsLoading()) {
    loadedClientHeight_ = height;
    return;
  }
  RECT f = FrameInsets();
  SetHeight(height + f.top + f.bottom);
}

void TForm::Loaded() {
  TWinControl::Loaded();
  if (loadedClientWidth_ >= 0) SetClientWidth(loadedClientWidth_);
  if (loadedClientHeight_ >= 0) SetClientHeight(loadedClientHeight_);
  loadedClientWidth_ = loadedClientHeight_ = -1;
}

void TForm::BoundsChanged() {
  HWND hwnd = HandleIfAllocated();
  if (syncing_ || !hwnd || !IsIconic(hwnd)) {
    if (syncing_)
      AlignControls();
    else
      TWinControl::BoundsChanged();
    return;
  }
  // Minimised: the bounds are those of the normal position.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(hwnd, &placement);
  POINT origin = WorkspaceOrigin(hwnd);
  placement.rcNormalPosition =
      RECT{Left() - origin.x, Top() - origin.y, Left() - origin.x + Width(), Top() - origin.y + Height()};
  placement.showCmd = IsWindowVisible(hwnd) ? SW_SHOWMINNOACTIVE : SW_HIDE;
  SetWindowPlacement(hwnd, &placement);
  AlignControls();
}

void TForm::SyncBounds() {
  HWND hwnd = HandleIfAllocated();
  RECT r{};
  if (!hwnd) return;
  if (IsIconic(hwnd)) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(hwnd, &placement)) return;
    r = placement.rcNormalPosition;
    POINT origin = WorkspaceOrigin(hwnd);
    OffsetRect(&r, origin.x, origin.y);
  } else if (!GetWindowRect(hwnd, &r)) {
    return;
  }
  syncing_ = true;
  SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  syncing_ = false;
}

void TForm::Resized() {
  AlignControls();
  // A handler that sets the size again causes a nested resize; that one is not reported.
  if (resizing_) return;
  resizing_ = true;
  try {
    onResize(this);
  } catch (...) {
    resizing_ = false;
    throw;
  }
  resizing_ = false;
}

void TForm::Show() {
  if (!Visible())
    SetVisible(true);
  else if (!HandleAllocated() || !IsWindowVisible(HandleIfAllocated()))
    VisibleChanged();  // Visible was read as True from the description
}

void TForm::Hide() { SetVisible(false); }

void TForm::Update() {
  if (HandleAllocated()) UpdateWindow(HandleIfAllocated());
}

void TForm::VisibleChanged() {
  if (IsLoading()) return;  // shown by whoever loads the form, after OnCreate
  if (Visible()) {
    onShow(this);
    HWND hwnd = Handle();
    // A form shown minimised must not take the activation from the window that has it.
    ::ShowWindow(hwnd, windowState_ == wsMinimized   ? SW_SHOWMINNOACTIVE
                       : windowState_ == wsMaximized ? SW_SHOWMAXIMIZED
                                                     : SW_SHOWNORMAL);
  } else if (HWND hwnd = HandleIfAllocated(); hwnd && IsWindowVisible(hwnd)) {
    onHide(this);
    ::ShowWindow(hwnd, SW_HIDE);
  }
}

bool TForm::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_CLOSE:
      Close();
      return true;
    // A log-off or shut-down asks every top-level window whether the session may end: the form
    // answers with its close query, whose handlers (the settings store's) do what a close would.
    // When the session then ends the process may go at any moment after WM_ENDSESSION returns,
    // with no further message; nothing is left to do by then.
    case WM_QUERYENDSESSION:
      result = CloseQuery() ? TRUE : FALSE;
      return true;
    case WM_ENDSESSION:
      result = 0;
      return true;
    case WM_MOVE:
      SyncBounds();
      break;
    case WM_SIZE:
      // The state follows the window once it is shown (not while it is made).
      if (wp <= SIZE_MAXIMIZED && IsWindowVisible(HandleIfAllocated()))
        windowState_ = wp == SIZE_MINIMIZED ? wsMinimized : wp == SIZE_MAXIMIZED ? wsMaximized : wsNormal;
      SyncBounds();
      // A form shown minimised gets its controls' windows once it is first seen.
      if (wp != SIZE_MINIMIZED && IsWindowVisible(HandleIfAllocated())) CreateChildWindows();
      Resized();
      break;
    case WM_ACTIVATE:
      return Activated(LOWORD(wp) != WA_INACTIVE, HIWORD(wp) != 0);
    case kReleaseMessage:
      delete this;  // nothing of the object is used after this on the way out
      return true;
    case WM_SETFOCUS:
      // The form's own window passes the focus on to its active control.
      if (activeControl_ && !IsDestroying() && activeControl_->CanFocus()) {
        activeControl_->SetFocus();
        return true;
      }
      break;
  }
  return TWinControl::WndProc(msg, wp, lp, result);
}

TForm* GetParentForm(TControl* control) {
  return control ? dynamic_cast<TForm*>(control->TopLevel()) : nullptr;
}

}  // namespace fw
