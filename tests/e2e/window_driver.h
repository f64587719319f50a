// Drives the launcher's main window from another process as a user does: controls are found
// in the window tree by the class and place that the window description gives them, and are
// worked with real mouse and keyboard input (SendInput). Every action waits, bounded, until its
// effect shows in the windows and says what went wrong when it does not.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include "tests/support/form_outline.h"
#include "tests/support/input.h"
#include "tests/support/message_loop.h"

namespace gv::e2e {

using test::FormOutline;
using test::Kept;
using test::Place;

class WindowDriver {
 public:
  WindowDriver(const FormOutline& outline, HWND main);

  // --- Finding ---
  // The window of a windowed control; nullptr when no child window stands at its place.
  HWND Handle(const std::string& name) const;
  // The window of a notebook page, by its caption.
  HWND Page(const std::string& caption) const;
  // The caption of the visible page; "" while the notebook is between two pages.
  std::string VisiblePage() const;
  // A screen point inside a control, windowed or not: its middle, or (dx, dy) from its corner.
  POINT PointIn(const std::string& name, int dx = -1, int dy = -1) const;

  // --- Reading back (window messages; they cross the process boundary) ---
  // Each fails the test when the control has no window yet (its page was never shown).
  bool Checked(const std::string& name) const;
  std::string Text(const std::string& name) const;
  bool Enabled(const std::string& name) const;
  int ItemIndex(const std::string& name) const;  // CB_GETCURSEL
  // The component whose window has the keyboard focus; "" when none of the named ones.
  std::string Focused() const;

  // --- Acting ---
  // A left click in the middle of a control (it must be visible); waits for the input to be taken.
  ::testing::AssertionResult Click(const std::string& name);
  // Clicks a check box or radio button until it shows the state (one click at most).
  ::testing::AssertionResult ClickTo(const std::string& name, bool checked);
  // Clicks into an edit, selects its text with End and Shift+Home and types over it; the edit
  // must then show shown (by default what was typed).
  ::testing::AssertionResult TypeInto(const std::string& name, const std::string& typed);
  ::testing::AssertionResult TypeInto(const std::string& name, const std::string& typed,
                                      const std::string& shown);
  // Presses Tab until the named control has the focus (at most a round of the window).
  ::testing::AssertionResult TabTo(const std::string& name);
  // Presses a key on the focused control and waits for the window to take it.
  void Press(WORD vk, bool shift = false);

  // Page changes, three ways: the pop-up menu's access letter, the selector's arrow keys, and the
  // selector's drop-down list clicked with the mouse.
  ::testing::AssertionResult ShowPageByMenu(const std::string& page);
  ::testing::AssertionResult ShowPageBySelectorKeys(const std::string& page);
  ::testing::AssertionResult ShowPageBySelectorMouse(const std::string& page);
  // Shows the page a control stands on, as a user does before looking at the control: the
  // windows of a page are made when it is first shown. Nothing to do off the notebook.
  ::testing::AssertionResult ShowPageOf(const std::string& name);

  // A combo box's item: its drop-down opened with F4 and walked with Down, then Enter; or the
  // drop-down opened by a click on its arrow and the item clicked.
  ::testing::AssertionResult PickByKeys(const std::string& combo, int index);
  ::testing::AssertionResult PickByMouse(const std::string& combo, int index);

  // Right-clicks an empty spot of the visible page and waits for a pop-up menu.
  ::testing::AssertionResult OpenContextMenu();
  // Clicks a speed button that opens a pop-up menu and waits for the menu.
  ::testing::AssertionResult OpenMenuOf(const std::string& button);
  // Chooses the entry of the open pop-up menu: by its access letter, by Down presses and Enter,
  // or by a click on it (count = number of entries). Waits for the menu to close.
  ::testing::AssertionResult ChooseMenuLetter(char letter);
  ::testing::AssertionResult ChooseMenuByKeys(int index);
  ::testing::AssertionResult ChooseMenuByMouse(int index, int count);

  // The launcher's input state, for failure messages: foreground, active, focus and capture.
  std::string InputState() const;

  const FormOutline& Outline() const { return outline_; }
  HWND Main() const { return main_; }

 private:
  // Waits until the launcher's thread has taken the input sent so far.
  void Settle() const;
  // Brings the launcher back to the front if something took it away: the user clicks its status
  // line. (A late focus notice from the display has now and then left no window active under
  // Wine.) Each time is logged.
  bool EnsureActive();
  // Runs open until find() shows the pop-up window; open runs a second time only when the
  // launcher had lost the front meanwhile.
  ::testing::AssertionResult OpenPopup(const std::function<void()>& open, HWND (WindowDriver::*find)() const,
                                       const std::string& what);
  HWND ParentWindow(const Place& place) const;
  HWND Shown(const std::string& name) const;  // Handle, or a failure of the test
  HWND OpenMenuWindow() const;
  HWND DroppedList() const;
  ::testing::AssertionResult SelectorSteps(int from, int to);

  const FormOutline& outline_;
  HWND main_;
  DWORD pid_ = 0, thread_ = 0;
  mutable std::map<std::string, HWND> found_;
};

}  // namespace gv::e2e
