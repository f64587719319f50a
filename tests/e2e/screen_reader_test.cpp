// The launcher as a screen reader finds it: from another process, through the platform's
// accessibility interface (oleacc). The speed buttons are push buttons with names, states,
// places and a default action that clicks them; each edit is named by its label. The launcher
// loads oleacc only once a client asks.
#include <oleacc.h>
#include <tlhelp32.h>

#include <vector>

#include "tests/e2e/scenario.h"

namespace gv::e2e {
namespace {

// One accessible element: an object, and a child id within it (CHILDID_SELF for the object).
class Element {
 public:
  static Element At(POINT screen) {
    Element e;
    if (FAILED(::AccessibleObjectFromPoint(screen, &e.object_, &e.child_))) e.object_ = nullptr;
    return e;
  }
  static Element OfWindow(HWND hwnd) {
    Element e;
    if (FAILED(::AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, IID_IAccessible,
                                            reinterpret_cast<void**>(&e.object_))))
      e.object_ = nullptr;
    return e;
  }
  Element() {
    V_VT(&child_) = VT_I4;
    V_I4(&child_) = CHILDID_SELF;
  }
  Element(Element&& other) noexcept : object_(other.object_), child_(other.child_) {
    other.object_ = nullptr;
  }
  Element(const Element&) = delete;
  Element& operator=(const Element&) = delete;
  ~Element() { Reset(); }
  void Reset() {
    if (object_) object_->Release();
    object_ = nullptr;
  }

  bool Found() const { return object_ != nullptr; }
  std::string Name() const { return Text(&IAccessible::get_accName); }
  std::string DefaultAction() const { return Text(&IAccessible::get_accDefaultAction); }
  LONG Role() const { return Number(&IAccessible::get_accRole); }
  LONG State() const { return Number(&IAccessible::get_accState); }
  RECT Location() const {
    LONG x = 0, y = 0, w = 0, h = 0;
    if (object_) object_->accLocation(&x, &y, &w, &h, child_);
    return RECT{x, y, x + w, y + h};
  }
  HRESULT DoDefaultAction() const { return object_ ? object_->accDoDefaultAction(child_) : E_FAIL; }

 private:
  std::string Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) const {
    BSTR text = nullptr;
    if (!object_ || (object_->*get)(child_, &text) != S_OK || !text) return "(none)";
    char buffer[256] = {};
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer - 1, nullptr, nullptr);
    ::SysFreeString(text);
    return buffer;
  }
  LONG Number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) const {
    VARIANT v;
    V_VT(&v) = VT_EMPTY;
    if (!object_ || FAILED((object_->*get)(child_, &v)) || V_VT(&v) != VT_I4) return -1;
    return V_I4(&v);
  }

  IAccessible* object_ = nullptr;
  VARIANT child_;
};

bool LoadsModule(DWORD pid, const char* module) {
  HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  MODULEENTRY32 entry{};
  entry.dwSize = sizeof entry;
  bool found = false;
  for (BOOL more = ::Module32First(snapshot, &entry); more && !found; more = ::Module32Next(snapshot, &entry))
    found = ::lstrcmpiA(entry.szModule, module) == 0;
  ::CloseHandle(snapshot);
  return found;
}

// The state changes the launcher reports for its windowless controls, seen by a listener.
std::vector<LONG> stateChanges;

void CALLBACK OnStateChange(HWINEVENTHOOK, DWORD, HWND, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT) stateChanges.push_back(child);
}

// Waits for cond while running this thread's messages (the listener's events come as messages).
template <class Cond>
bool AwaitPumping(Cond cond, int ms) {
  return test::Await(
      [&] {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
        return cond();
      },
      ms);
}

class ScreenReader : public Scenario {
 protected:
  void SetUp() override {
    Scenario::SetUp();
    ::CoInitialize(nullptr);
  }
  void TearDown() override {
    Scenario::TearDown();
    ::CoUninitialize();
  }
};

TEST_F(ScreenReader, FindsTheSpeedButtonsAndTheEditsByName) {
  WindowDriver& ui = Start();
  EXPECT_FALSE(LoadsModule(Program().ProcessId(), "oleacc.dll")) << "oleacc loaded before a client asked";

  const std::pair<const char*, const char*> kTopBar[] = {{"Win95SpeedButton3", "Run Gorvale"},
                                                         {"Win95SpeedButton2", "About Gorvale FE"},
                                                         {"Win95SpeedButton4", "Exit"}};
  for (const auto& [name, spoken] : kTopBar) {
    SCOPED_TRACE(name);
    Element button = Element::At(ui.PointIn(name));
    ASSERT_TRUE(button.Found());
    EXPECT_EQ(button.Name(), spoken);
    EXPECT_EQ(button.Role(), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(button.State(), 0);
    EXPECT_EQ(button.DefaultAction(), "Press");
    const POINT corner = ui.PointIn(name, 0, 0);
    const RECT r = button.Location();
    EXPECT_EQ(r.left, corner.x);
    EXPECT_EQ(r.top, corner.y);
    EXPECT_EQ(r.right - r.left, ui.Outline().Of(name).width);
    EXPECT_EQ(r.bottom - r.top, ui.Outline().Of(name).height);
  }
  EXPECT_TRUE(LoadsModule(Program().ProcessId(), "oleacc.dll"));

  // Each edit by its label; a check box by its caption, as the platform gives it.
  const std::pair<const char*, const char*> kGeneral[] = {
      {"IntEdit1", "Skill:"}, {"Edit1", "Name:"}, {"IntEdit2", "Shirt:"}, {"IntEdit3", "Trousers:"}};
  for (const auto& [name, spoken] : kGeneral) {
    Element edit = Element::OfWindow(ui.Handle(name));
    EXPECT_EQ(edit.Name(), spoken) << name;
    EXPECT_EQ(edit.Role(), ROLE_SYSTEM_TEXT) << name;
  }
  EXPECT_EQ(Element::OfWindow(ui.Handle("CheckBox6")).Name(), "No CD audio");

  // The GLQuake page's menu buttons: unavailable until "Video resolution:" enables them, which
  // a listener hears of.
  ASSERT_TRUE(ui.ShowPageOf("Win95SpeedButton5"));
  EXPECT_EQ(Element::OfWindow(ui.Handle("IntEdit13")).Name(), "BPP:");
  Element resolutions = Element::At(ui.PointIn("Win95SpeedButton5"));
  Element depths = Element::At(ui.PointIn("Win95SpeedButton6"));
  EXPECT_EQ(resolutions.Name(), "Choose a screen resolution");
  EXPECT_EQ(depths.Name(), "Choose a colour depth");
  EXPECT_EQ(resolutions.State(), STATE_SYSTEM_UNAVAILABLE);
  stateChanges.clear();
  HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_STATECHANGE, nullptr,
                                         OnStateChange, Program().ProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_TRUE(ui.ClickTo("CheckBox21", true));
  ASSERT_TRUE(ui.ClickTo("CheckBox18", true));
  EXPECT_EQ(resolutions.State(), 0);
  EXPECT_EQ(depths.State(), 0);
  EXPECT_TRUE(AwaitPumping([] { return stateChanges.size() >= 2; }, 3000)) << "no state change events";
  ::UnhookWinEvent(hook);

  // About's default action opens the About box, whose own Enter closes it and runs nothing.
  Element about = Element::At(ui.PointIn("Win95SpeedButton2"));
  EXPECT_EQ(about.DoDefaultAction(), S_OK);
  HWND box = nullptr;
  ASSERT_TRUE(
      test::Await([&] { return (box = ::FindWindowA(nullptr, "About")) && ::IsWindowVisible(box); }, 5000));
  test::PressKey(VK_RETURN);
  EXPECT_TRUE(test::Await([&] { return !::IsWindowVisible(box); }, 3000));
  EXPECT_FALSE(Program().AwaitExit(500));
  about.Reset();
  resolutions.Reset();
  depths.Reset();
  CloseByExitButton();
}

TEST_F(ScreenReader, RunsDefaultActionRunsTheGame) {
  WindowDriver& ui = Start();
  const std::string line = "quake.exe +skill 1 +name \"\" +color 1 1 +deathmatch 1 -game gorvale +map ";
  RunExpecting(
      [&] {
        Element run = Element::At(ui.PointIn("Win95SpeedButton3"));
        if (run.Name() != "Run Gorvale") return ::testing::AssertionFailure() << "found " << run.Name();
        return run.DoDefaultAction() == S_OK ? ::testing::AssertionSuccess() : ::testing::AssertionFailure();
      },
      line, line);
}

}  // namespace
}  // namespace gv::e2e
