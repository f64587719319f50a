#include "tests/app/frm_main_host.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/about_box.h"
#include "controls/register_controls.h"
#include "framework/stdctrls/notebook.h"
#include "framework/stdctrls/register_std_controls.h"
#include "framework/win32/application.h"
#include "framework/win32/framework_setup.h"
#include "store/auto_properties_store.h"
#include "tests/support/message_loop.h"
#include "tests/support/window_info.h"

namespace gv::test {

std::map<std::string, CreatedState> FrmMainHost::created_;

namespace {

std::string PageOf(fw::TControl* control) {
  for (fw::TControl* c = control; c; c = c->Parent()) {
    if (auto* page = dynamic_cast<fw::TPage*>(c)) return page->Caption();
  }
  return "";
}

CreatedState Read(fw::TWinControl* control) {
  CreatedState s;
  HWND hwnd = control->Handle();
  HWND parent = ::GetParent(hwnd);
  s.page = PageOf(control);
  s.parent = control->Parent() ? control->Parent()->Name() : "";
  ::GetWindowRect(hwnd, &s.bounds);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&s.bounds), 2);
  s.text = WindowText(hwnd);
  const std::string cls = ClassOf(hwnd);
  if (lstrcmpiA(cls.c_str(), "Edit") == 0)
    s.limit = static_cast<int>(::SendMessageA(hwnd, EM_GETLIMITTEXT, 0, 0));
  if (lstrcmpiA(cls.c_str(), "Button") == 0)
    s.checked = ::SendMessageA(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
  s.enabled = ::IsWindowEnabled(hwnd) != FALSE;
  s.visible = (::GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
  return s;
}

}  // namespace

void FrmMainHost::SetUp() {
  ForgetSettings();
  fw::SetUpFramework();
  fw::RegisterStdControlClasses();
  RegisterControlClasses();
  RegisterStoreClasses();
  fw::Application()->SetTitle("OEM Gorvale FE");
  fw::Application()->CreateForm<TfrmMain>();
  fw::Application()->CreateForm<TAboutBox>();
  if (!frmMain || !AboutBox) throw std::runtime_error("the windows were not made");

  frmMain->Handle();  // every window of the form, none shown yet
  for (fw::Component* c : frmMain->Components()) {
    if (auto* w = dynamic_cast<fw::TWinControl*>(c); w && !c->Name().empty()) created_[c->Name()] = Read(w);
  }
  frmMain->SetWindowState(fw::wsNormal);
  frmMain->Show();
  Activate();
}

fw::Component* FrmMainHost::Find(const std::string& name) {
  fw::Component* c = frmMain->FindComponent(name);
  if (!c) throw std::runtime_error("no component " + name);
  return c;
}

fw::TWinControl* FrmMainHost::Windowed(const std::string& name) {
  auto* w = dynamic_cast<fw::TWinControl*>(Find(name));
  if (!w) throw std::runtime_error(name + " has no window");
  return w;
}

std::string FrmMainHost::NameOf(const FrmMainPart::Control& member) {
  for (const FrmMainPart& part : FrmMainParts{})
    if (part.control == member) return part.name;
  throw std::runtime_error("a member the main window's table does not bind");
}

std::string FrmMainHost::FocusedName() {
  // A combo box with a text field gives the focus to the field inside it.
  for (HWND h = ::GetFocus(); h; h = ::GetParent(h)) {
    if (fw::TWinControl* w = fw::TWinControl::FromHandle(h)) return w->Name();
  }
  return "";
}

void FrmMainHost::Activate() {
  HWND hwnd = frmMain->Handle();
  ::SetForegroundWindow(hwnd);
  ::SetActiveWindow(hwnd);
  Windowed("ComboBox1")->SetFocus();
  PumpUntil([hwnd] { return ::GetForegroundWindow() == hwnd; }, 2000);
}

}  // namespace gv::test

namespace {

class HostEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { gv::test::FrmMainHost::SetUp(); }
  void TearDown() override { gv::test::ForgetSettings(); }
};

const auto* const kHost = ::testing::AddGlobalTestEnvironment(new HostEnvironment);

}  // namespace
