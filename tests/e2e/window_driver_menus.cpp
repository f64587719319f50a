// Pages, pop-up menus and drop-down lists of the window driver.
#include <algorithm>
#include <cctype>

#include "tests/e2e/launcher_process.h"
#include "tests/e2e/window_driver.h"
#include "tests/support/window_info.h"

namespace gv::e2e {
namespace {

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

constexpr int kWait = 3000;

// A visible top-level window of the process with the class.
HWND FindTopLevel(DWORD pid, const char* className) {
  return test::FindTopWindow(pid, [className](HWND hwnd) {
    return ::IsWindowVisible(hwnd) && lstrcmpiA(test::ClassOf(hwnd).c_str(), className) == 0;
  });
}

std::string WithoutAmpersand(const std::string& caption) {
  std::string s = caption;
  s.erase(std::remove(s.begin(), s.end(), '&'), s.end());
  return s;
}

// A click on an item of a dropped-down list (the lines are of one height).
void ClickItem(HWND list, int index) {
  const int top = static_cast<int>(::SendMessageA(list, LB_GETTOPINDEX, 0, 0));
  const int height = static_cast<int>(::SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  RECT client;
  ::GetClientRect(list, &client);
  test::ClickAt(test::ScreenPoint(list, client.right / 2, (index - top) * height + height / 2));
}

}  // namespace

HWND WindowDriver::OpenMenuWindow() const { return FindTopLevel(pid_, "#32768"); }

HWND WindowDriver::DroppedList() const { return FindTopLevel(pid_, "ComboLBox"); }

AssertionResult WindowDriver::OpenPopup(const std::function<void()>& open, HWND (WindowDriver::*find)() const,
                                        const std::string& what) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    EnsureActive();
    open();
    if (test::Await([&] { return (this->*find)() != nullptr; }, attempt == 0 ? 1500 : kWait))
      return AssertionSuccess();
    if (::GetForegroundWindow() == main_) break;  // still in front: a real failure
  }
  return AssertionFailure() << "no " << what << InputState();
}

AssertionResult WindowDriver::OpenContextMenu() {
  // An empty spot of every page: right of the controls, above the bottom row.
  return OpenPopup([this] { test::ClickAt(test::ScreenPoint(Page(VisiblePage()), 250, 140), true); },
                   &WindowDriver::OpenMenuWindow, "pop-up menu on a right-click");
}

AssertionResult WindowDriver::OpenMenuOf(const std::string& button) {
  const Place& place = outline_.Of(button);
  if (!::IsWindowVisible(ParentWindow(place)))
    return AssertionFailure() << button << " is not on screen" << InputState();
  return OpenPopup([&] { test::ClickAt(PointIn(button)); }, &WindowDriver::OpenMenuWindow,
                   "pop-up menu from " + button);
}

AssertionResult WindowDriver::ChooseMenuLetter(char letter) {
  if (!OpenMenuWindow()) return AssertionFailure() << "no menu is open" << InputState();
  test::PressKey(static_cast<WORD>(std::toupper(static_cast<unsigned char>(letter))));
  if (!test::Await([this] { return OpenMenuWindow() == nullptr; }, kWait))
    return AssertionFailure() << "the menu stayed open after '" << letter << "'" << InputState();
  Settle();
  return AssertionSuccess();
}

AssertionResult WindowDriver::ChooseMenuByKeys(int index) {
  if (!OpenMenuWindow()) return AssertionFailure() << "no menu is open" << InputState();
  // Home lights the first entry, whatever the pointer lit when the menu opened under it.
  test::PressKey(VK_HOME);
  for (int i = 0; i < index; ++i) test::PressKey(VK_DOWN);
  test::PressKey(VK_RETURN);
  if (!test::Await([this] { return OpenMenuWindow() == nullptr; }, kWait))
    return AssertionFailure() << "the menu stayed open after Enter" << InputState();
  Settle();
  return AssertionSuccess();
}

AssertionResult WindowDriver::ChooseMenuByMouse(int index, int count) {
  HWND menu = OpenMenuWindow();
  if (!menu) return AssertionFailure() << "no menu is open" << InputState();
  // The entries are text lines of one height stacked in the client area; the middle of the
  // wanted one is clear of any margin the menu keeps above and below.
  RECT client;
  ::GetClientRect(menu, &client);
  const int y = client.bottom * (2 * index + 1) / (2 * count);
  test::MoveMouse(test::ScreenPoint(menu, client.right / 2, y));
  ::Sleep(50);
  test::ClickAt(test::ScreenPoint(menu, client.right / 2, y));
  if (!test::Await([this] { return OpenMenuWindow() == nullptr; }, kWait))
    return AssertionFailure() << "the menu stayed open after a click on entry " << index << InputState();
  Settle();
  return AssertionSuccess();
}

AssertionResult WindowDriver::ShowPageByMenu(const std::string& page) {
  // The entry whose caption names the page, and its access letter.
  std::string caption;
  for (const char* entry :
       {"General", "Multiplayer1", "Network1", "Map1", "Memory1", "GLQuake1", "WinQuake1", "Extra1"})
    if (WithoutAmpersand(outline_.Of(entry).text) == page) caption = outline_.Of(entry).text;
  const size_t amp = caption.find('&');
  if (amp == std::string::npos || amp + 1 >= caption.size())
    return AssertionFailure() << "no menu entry for " << page << InputState();
  if (AssertionResult opened = OpenContextMenu(); !opened) return opened;
  if (AssertionResult chosen = ChooseMenuLetter(caption[amp + 1]); !chosen) return chosen;
  if (!test::Await([&] { return VisiblePage() == page; }, kWait))
    return AssertionFailure() << "the menu showed " << VisiblePage() << ", not " << page << InputState();
  return AssertionSuccess();
}

// The selector walks its list with the arrow keys; every step shows its page.
AssertionResult WindowDriver::SelectorSteps(int from, int to) {
  for (int at = from; at != to;) {
    at += to > from ? 1 : -1;
    test::PressKey(to > from ? VK_DOWN : VK_UP);
    if (!test::Await([&] { return ItemIndex("ComboBox1") == at; }, kWait))
      return AssertionFailure() << "the selector did not move to " << at << InputState();
  }
  return AssertionSuccess();
}

AssertionResult WindowDriver::ShowPageBySelectorKeys(const std::string& page) {
  HWND selector = Handle("ComboBox1");
  const int target = static_cast<int>(::SendMessageA(selector, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                     reinterpret_cast<LPARAM>(page.c_str())));
  if (target < 0) return AssertionFailure() << "the selector does not list " << page << InputState();
  if (AssertionResult reached = TabTo("ComboBox1"); !reached) return reached;
  if (AssertionResult stepped = SelectorSteps(ItemIndex("ComboBox1"), target); !stepped) return stepped;
  if (!test::Await([&] { return VisiblePage() == page; }, kWait))
    return AssertionFailure() << "the selector shows " << VisiblePage() << ", not " << page << InputState();
  return AssertionSuccess();
}

AssertionResult WindowDriver::ShowPageOf(const std::string& name) {
  const std::string& page = outline_.Of(name).page;
  if (page.empty() || VisiblePage() == page) return AssertionSuccess();
  return ShowPageBySelectorKeys(page);
}

AssertionResult WindowDriver::ShowPageBySelectorMouse(const std::string& page) {
  HWND selector = Handle("ComboBox1");
  const int target = static_cast<int>(::SendMessageA(selector, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                     reinterpret_cast<LPARAM>(page.c_str())));
  if (target < 0) return AssertionFailure() << "the selector does not list " << page << InputState();
  if (AssertionResult dropped = OpenPopup([this] { test::ClickAt(PointIn("ComboBox1")); },
                                          &WindowDriver::DroppedList, "drop-down list of the selector");
      !dropped)
    return dropped;
  ClickItem(DroppedList(), target);
  if (!test::Await([&] { return DroppedList() == nullptr && VisiblePage() == page; }, kWait))
    return AssertionFailure() << "the selector's list shows " << VisiblePage() << ", not " << page
                              << InputState();
  return AssertionSuccess();
}

AssertionResult WindowDriver::PickByKeys(const std::string& combo, int index) {
  if (AssertionResult clicked = Click(combo); !clicked) return clicked;
  if (!test::Await([&] { return Focused() == combo; }, kWait))
    return AssertionFailure() << combo << " took no focus" << InputState();
  test::PressKey(VK_F4);
  if (!test::Await([this] { return DroppedList() != nullptr; }, kWait))
    return AssertionFailure() << combo << ": F4 dropped no list" << InputState();
  const int from = ItemIndex(combo);
  for (int at = from; at != index;) {
    at += index > from ? 1 : -1;
    test::PressKey(index > from ? VK_DOWN : VK_UP);
  }
  test::PressKey(VK_RETURN);
  if (!test::Await([&] { return DroppedList() == nullptr && ItemIndex(combo) == index; }, kWait))
    return AssertionFailure() << combo << " shows item " << ItemIndex(combo) << ", not " << index
                              << InputState();
  Settle();
  return AssertionSuccess();
}

AssertionResult WindowDriver::PickByMouse(const std::string& combo, int index) {
  const Place& place = outline_.Of(combo);
  if (!::IsWindowVisible(Handle(combo)) || !::IsWindowEnabled(Handle(combo)))
    return AssertionFailure() << combo << " is hidden or disabled" << InputState();
  // A click on the arrow button.
  if (AssertionResult dropped =
          OpenPopup([&] { test::ClickAt(PointIn(combo, place.width - 8, place.height / 2)); },
                    &WindowDriver::DroppedList, "drop-down list of " + combo);
      !dropped)
    return dropped;
  ClickItem(DroppedList(), index);
  if (!test::Await([&] { return DroppedList() == nullptr && ItemIndex(combo) == index; }, kWait))
    return AssertionFailure() << combo << " shows item " << ItemIndex(combo) << ", not " << index
                              << InputState();
  Settle();
  return AssertionSuccess();
}

}  // namespace gv::e2e
