#include "tests/e2e/window_driver.h"

#include <cstdio>
#include <vector>

#include "tests/e2e/launcher_process.h"
#include "tests/support/window_info.h"

namespace gv::e2e {
namespace {

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

constexpr int kWait = 3000;  // the longest an action may take to show its effect

// The Win32 class of a control's window.
const char* WindowClassOf(const std::string& className) {
  if (className == "TCheckBox" || className == "TRadioButton") return "Button";
  if (className == "TEdit" || className == "TIntEdit") return "Edit";
  if (className == "TComboBox") return "ComboBox";
  return "GorvaleWindow";
}

LRESULT Ask(HWND hwnd, UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutA(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, kWait, &result)) return -1;
  return static_cast<LRESULT>(result);
}

}  // namespace

WindowDriver::WindowDriver(const FormOutline& outline, HWND main) : outline_(outline), main_(main) {
  thread_ = ::GetWindowThreadProcessId(main_, &pid_);
}

// --- Finding ---

HWND WindowDriver::Page(const std::string& caption) const {
  HWND notebook = Handle("Notebook1");
  for (HWND child = ::GetWindow(notebook, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (test::WindowText(child) == caption) return child;
  }
  return nullptr;
}

std::string WindowDriver::VisiblePage() const {
  // The notebook shows the new page before it hides the old one: while both are up, neither
  // counts, so that a click meant for the new page cannot land on the old one.
  HWND notebook = Handle("Notebook1");
  std::string visible;
  int count = 0;
  for (HWND child = ::GetWindow(notebook, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (!::IsWindowVisible(child)) continue;
    visible = test::WindowText(child);
    ++count;
  }
  return count == 1 ? visible : std::string();
}

HWND WindowDriver::ParentWindow(const Place& place) const {
  if (place.onPage) return Page(place.page);
  return place.parent.empty() ? main_ : Handle(place.parent);
}

HWND WindowDriver::Handle(const std::string& name) const {
  auto known = found_.find(name);
  if (known != found_.end() && ::IsWindow(known->second)) return known->second;
  const Place& place = outline_.Of(name);
  HWND parent = place.windowed ? ParentWindow(place) : nullptr;
  if (!parent) return nullptr;
  // The child window of the right class whose corner stands where the description puts it.
  for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (lstrcmpiA(test::ClassOf(child).c_str(), WindowClassOf(place.className)) != 0) continue;
    RECT r;
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    if (r.left != place.left || r.top != place.top) continue;
    // A button's caption is its window's text from the start.
    if (lstrcmpiA(WindowClassOf(place.className), "Button") == 0 && place.text != test::WindowText(child))
      continue;
    return found_[name] = child;
  }
  return nullptr;
}

POINT WindowDriver::PointIn(const std::string& name, int dx, int dy) const {
  const Place& place = outline_.Of(name);
  const int x = place.left + (dx < 0 ? place.width / 2 : dx);
  const int y = place.top + (dy < 0 ? place.height / 2 : dy);
  return test::ScreenPoint(ParentWindow(place), x, y);
}

// --- Reading back ---

HWND WindowDriver::Shown(const std::string& name) const {
  HWND hwnd = Handle(name);
  if (!hwnd) ADD_FAILURE() << name << " has no window: the page it stands on was never shown";
  return hwnd;
}

bool WindowDriver::Checked(const std::string& name) const {
  return Ask(Shown(name), BM_GETCHECK) == BST_CHECKED;
}

std::string WindowDriver::Text(const std::string& name) const {
  HWND hwnd = Shown(name);
  const LRESULT length = Ask(hwnd, WM_GETTEXTLENGTH);
  if (length <= 0) return std::string();
  std::vector<char> text(static_cast<size_t>(length) + 1);
  const LRESULT got = Ask(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  return std::string(text.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

bool WindowDriver::Enabled(const std::string& name) const { return ::IsWindowEnabled(Shown(name)) != FALSE; }

int WindowDriver::ItemIndex(const std::string& name) const {
  return static_cast<int>(Ask(Shown(name), CB_GETCURSEL));
}

std::string WindowDriver::Focused() const {
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  if (!::GetGUIThreadInfo(thread_, &gui) || !gui.hwndFocus) return std::string();
  for (HWND h = gui.hwndFocus; h && h != main_; h = ::GetParent(h))  // a combo's field is its child
    for (const std::string& name : outline_.WindowedNames())
      if (Handle(name) == h) return name;
  return std::string();
}

std::string WindowDriver::InputState() const {
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  ::GetGUIThreadInfo(thread_, &gui);
  auto name = [this](HWND h) -> std::string {
    if (!h) return "none";
    if (h == main_) return "main window";
    return test::ClassOf(h) + " \"" + test::WindowText(h) + "\"";
  };
  std::string process = "running";
  if (HANDLE h = ::OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, pid_)) {
    DWORD code = 0;
    if (::WaitForSingleObject(h, 0) == WAIT_OBJECT_0 && ::GetExitCodeProcess(h, &code))
      process = "ended with " + std::to_string(code);
    ::CloseHandle(h);
  }
  return " [launcher " + process + "; foreground: " + name(::GetForegroundWindow()) +
         ", active: " + name(gui.hwndActive) + ", focus: " + name(gui.hwndFocus) +
         ", capture: " + name(gui.hwndCapture) + ", flags: " + std::to_string(gui.flags) + "]";
}

// --- Acting ---

void WindowDriver::Settle() const {
  // Input goes through the launcher's queue behind what it is doing; a round trip of a sent
  // message, twice with a pause, lets it get there in the usual case. Callers still wait for the
  // effect they expect, so a busy or closing window is not waited for long.
  for (int i = 0; i < 2 && ::IsWindow(main_); ++i) {
    ::Sleep(15);
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 200, &result);
  }
}

bool WindowDriver::EnsureActive() {
  if (::GetForegroundWindow() == main_) return true;
  std::printf("[ note     ] the launcher had lost the front%s; its status line is clicked\n",
              InputState().c_str());
  RECT client;
  ::GetClientRect(main_, &client);
  test::ClickAt(test::ScreenPoint(main_, client.right / 2, client.bottom - 8));
  return test::Await([this] { return ::GetForegroundWindow() == main_; }, kWait);
}

AssertionResult WindowDriver::Click(const std::string& name) {
  const Place& place = outline_.Of(name);
  EnsureActive();
  HWND hwnd = place.windowed ? Handle(name) : ParentWindow(place);
  if (!hwnd) return AssertionFailure() << name << ": no window found at its place" << InputState();
  if (!::IsWindowVisible(hwnd)) return AssertionFailure() << name << " is not on screen" << InputState();
  if (place.windowed && !::IsWindowEnabled(hwnd))
    return AssertionFailure() << name << " is disabled" << InputState();
  test::ClickAt(PointIn(name));
  Settle();
  return AssertionSuccess();
}

AssertionResult WindowDriver::ClickTo(const std::string& name, bool checked) {
  if (Checked(name) == checked)
    return AssertionFailure() << name << " already shows the state" << InputState();
  if (AssertionResult clicked = Click(name); !clicked) return clicked;
  if (!test::Await([&] { return Checked(name) == checked; }, kWait))
    return AssertionFailure() << name << " did not change on a click" << InputState();
  return AssertionSuccess();
}

AssertionResult WindowDriver::TypeInto(const std::string& name, const std::string& typed) {
  return TypeInto(name, typed, typed);
}

AssertionResult WindowDriver::TypeInto(const std::string& name, const std::string& typed,
                                       const std::string& shown) {
  if (AssertionResult clicked = Click(name); !clicked) return clicked;
  if (!test::Await([&] { return Focused() == name; }, kWait))
    return AssertionFailure() << name << " took no focus" << InputState();
  test::PressKey(VK_END);
  test::PressKey(VK_HOME, true);
  if (typed.empty()) test::PressKey(VK_DELETE);
  test::TypeText(typed);
  if (!test::Await([&] { return Text(name) == shown; }, kWait))
    return AssertionFailure() << name << " shows \"" << Text(name) << "\" after typing \"" << typed << "\""
                              << InputState();
  return AssertionSuccess();
}

AssertionResult WindowDriver::TabTo(const std::string& name) {
  EnsureActive();
  for (int i = 0; i < 40; ++i) {
    if (Focused() == name) return AssertionSuccess();
    const std::string before = Focused();
    test::PressKey(VK_TAB);
    test::Await([&] { return Focused() != before; }, 500);
  }
  return AssertionFailure() << "Tab never reached " << name << InputState();
}

void WindowDriver::Press(WORD vk, bool shift) {
  EnsureActive();
  test::PressKey(vk, shift);
  Settle();
}

}  // namespace gv::e2e
