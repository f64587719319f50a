#include "framework/win32/application.h"

#include <cctype>

#include "framework/core/component_reader.h"
#include "framework/core/desc_parser.h"
#include "framework/core/error.h"
#include "framework/win32/error_box.h"

namespace fw {

namespace {

// The description stored as the RCDATA resource named after the class, in upper case.
std::string_view ResourceText(const char* className) {
  std::string name = className;
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  HGLOBAL data = resource ? LoadResource(module, resource) : nullptr;
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes) throw Error("Resource " + name + " not found");
  return std::string_view(static_cast<const char*>(bytes), SizeofResource(module, resource));
}

}  // namespace

const ClassInfo& TApplication::StaticClass() {
  static const ClassInfo info = MakeClass<TApplication, Component>("TApplication");
  return info;
}

TApplication::TApplication(Component* owner) : Component(owner) {}

TApplication::~TApplication() { DestroyComponents(); }

void TApplication::ReadForm(TForm* form) { ReadForm(form, ResourceText(form->Class().name)); }

void TApplication::ReadForm(TForm* form, std::string_view text) {
  ReadRoot(form, desc::Parse(text));
  form->DoCreate();
  if (form->Visible()) form->Show();
}

TForm* TApplication::AddForm(std::unique_ptr<TForm> form, std::optional<std::string_view> text) {
  ReadForm(form.get(), text ? *text : ResourceText(form->Class().name));
  if (!mainForm_) mainForm_ = form.get();
  return form.release();
}

void TApplication::FormDestroyed(TForm* form) {
  if (form == mainForm_) mainForm_ = nullptr;
}

void TApplication::Notification(Component* component) {
  if (component == mainForm_) mainForm_ = nullptr;
  Component::Notification(component);
}

void TApplication::Run() {
  terminated_ = false;
  if (mainForm_) {
    try {
      mainForm_->Show();
    } catch (const std::exception& e) {
      HandleException(e);
    }
  }
  while (!terminated_) HandleMessage();
  terminated_ = false;  // the loop is over; a later Run starts afresh
}

void TApplication::HandleMessage() {
  if (ProcessMessage()) return;
  Idle();
  if (!terminated_) WaitMessage();
}

bool TApplication::ProcessMessage() {
  MSG msg;
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  // The window procedure reports what leaves a handler; this catches what the loop's own
  // steps raise (a dialog key that clicks a button, a hint handler).
  try {
    if (!PreTranslate(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  } catch (const std::exception& e) {
    HandleException(e);
  }
  return true;
}

bool TApplication::PreTranslate(const MSG& msg) {
  for (const auto& step : steps_)
    if (step->PreTranslate(msg)) return true;
  return false;
}

void TApplication::Idle() {
  for (const auto& step : steps_) {
    try {
      step->Idle();
    } catch (const std::exception& e) {
      HandleException(e);
    }
  }
}

void TApplication::SetHint(const std::string& hint) {
  if (SetField(hint_, hint)) onHint(this);
}

void TApplication::HandleException(const std::exception& error) {
  ShowErrorBox(GetActiveWindow(), title_, error.what());
}

HCURSOR StandardCursor(int cursor) {
  static const struct {
    int cursor;
    LPCTSTR id;
  } kPointers[] = {{-2, IDC_ARROW},  {-3, IDC_CROSS},    {-4, IDC_IBEAM},        {-6, IDC_SIZENESW},
                   {-7, IDC_SIZENS}, {-8, IDC_SIZENWSE}, {-9, IDC_SIZEWE},       {-10, IDC_UPARROW},
                   {-11, IDC_WAIT},  {-18, IDC_NO},      {-19, IDC_APPSTARTING}, {-20, IDC_HELP},
                   {-21, IDC_HAND},  {-22, IDC_SIZEALL}};
  for (const auto& p : kPointers)
    if (p.cursor == cursor) return LoadCursor(nullptr, p.id);
  return nullptr;
}

HCURSOR TApplication::CursorHandle() const { return StandardCursor(cursor_); }

void TApplication::SetCursor(TCursor cursor) {
  if (!SetField(cursor_, cursor)) return;
  // Let the window under the pointer choose its pointer again now.
  POINT p;
  if (!GetCursorPos(&p)) return;
  HWND hwnd = WindowFromPoint(p);
  DWORD process = 0;
  if (!hwnd || !GetWindowThreadProcessId(hwnd, &process) || process != GetCurrentProcessId()) return;
  LRESULT hit = SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
  SendMessageA(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(hit, WM_MOUSEMOVE));
}

TApplication* Application() {
  static TApplication application(nullptr);
  return &application;
}

}  // namespace fw
