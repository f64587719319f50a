// The main window in use: the status line and tool tips follow the pointer, the size stays
// fixed, and the About box is one window shown modally each time.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <atomic>
#include <thread>

#include "app/about_box.h"
#include "app/splash.h"
#include "framework/stdctrls/notebook.h"
#include "framework/win32/application.h"
#include "framework/win32/hint_tracker.h"
#include "tests/app/frm_main_host.h"
#include "tests/support/input.h"
#include "tests/support/message_loop.h"
#include "tests/support/window_info.h"

namespace gv::test {
namespace {

using Host = FrmMainHost;

std::string StatusLine() { return WindowText(Host::Handle("StatusBar")); }

// A point on the screen inside a control, windowed or graphic.
POINT Over(const char* name, int dx = -1, int dy = -1) {
  auto* c = dynamic_cast<fw::TControl*>(Host::Find(name));
  const int x = c->Left() + (dx < 0 ? c->Width() / 2 : dx);
  const int y = c->Top() + (dy < 0 ? c->Height() / 2 : dy);
  return ScreenPoint(c->Parent()->Handle(), x, y);
}

// Moves the pointer there and waits until the status line shows the text.
std::string StatusAfterMove(POINT p, const std::string& expected) {
  MoveMouse(p);
  PumpUntil([&] { return StatusLine() == expected; }, 1500);
  return StatusLine();
}

bool TipShowing() {
  HWND tip = fw::Application()->LoopStep<fw::HintTracker>()->ToolTipWindow();
  return tip && ::IsWindowVisible(tip);
}

TEST(StatusLine, FollowsThePointerThroughControlsAndTheirParents) {
  auto* notebook = dynamic_cast<fw::TNotebook*>(Host::Find("Notebook1"));
  Host::Activate();
  EXPECT_EQ(StatusAfterMove(Over("Win95SpeedButton3"), " "), " ")
      << "the run button's long hint is one blank";
  EXPECT_EQ(StatusAfterMove(Over("ComboBox1"), "Select an options page from here"),
            "Select an options page from here");
  EXPECT_EQ(StatusAfterMove(Over("Win95SpeedButton2"), ""), "");
  EXPECT_EQ(StatusAfterMove(Over("ComboBox1"), "Select an options page from here"),
            "Select an options page from here");
  EXPECT_EQ(StatusAfterMove(ScreenPoint(notebook->Handle(), 250, 60), ""), "") << "an empty page area";
  EXPECT_EQ(StatusAfterMove(Over("ComboBox1"), "Select an options page from here"),
            "Select an options page from here");
  EXPECT_EQ(StatusAfterMove(Over("Win95SpeedButton4"), ""), "");

  notebook->SetActivePage("Extra");
  const std::string extra = "Enter any extra command line parameters here";
  EXPECT_EQ(StatusAfterMove(Over("editExtra"), extra), extra) << "the edit shows its frame's hint";
  EXPECT_EQ(StatusAfterMove(Over("Panel19", 1, 1), extra), extra);
  notebook->SetActivePage("GLQuake");
  EXPECT_EQ(StatusAfterMove(Over("CheckBox21"), "You should only click here if you are using GLQuake"),
            "You should only click here if you are using GLQuake");
  EXPECT_EQ(StatusAfterMove(Over("Win95SpeedButton5"), ""), "");
  notebook->SetActivePage("WinQuake");
  EXPECT_EQ(StatusAfterMove(Over("CheckBox16"), "You should only click here if you are using WinQuake"),
            "You should only click here if you are using WinQuake");
  notebook->SetActivePage("General");
}

TEST(ToolTips, OnlyOnTheThreeToolbarButtons) {
  Host::Activate();
  const std::pair<const char*, const char*> kTips[] = {{"Win95SpeedButton3", "Run Gorvale"},
                                                       {"Win95SpeedButton2", "About Gorvale FE"},
                                                       {"Win95SpeedButton4", "Exit"}};
  for (const auto& [button, text] : kTips) {
    SCOPED_TRACE(button);
    MoveMouse(Over("ComboBox1"));
    PumpFor(100);
    MoveMouse(Over(button));
    ASSERT_TRUE(PumpUntil(TipShowing, 3000)) << "no tool tip";
    char shown[128] = "";
    TTTOOLINFOA info{};
    info.cbSize = sizeof info;
    info.lpszText = shown;
    HWND tip = fw::Application()->LoopStep<fw::HintTracker>()->ToolTipWindow();
    if (::SendMessageA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&info))) {
      info.lpszText = shown;
      ::SendMessageA(tip, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&info));
    }
    EXPECT_STREQ(shown, text);
  }
  for (const char* name : {"ComboBox1", "Panel2"}) {
    SCOPED_TRACE(name);
    MoveMouse(Over(name, 2, 2));
    PumpFor(100);
    MoveMouse(Over(name));
    EXPECT_FALSE(PumpUntil(TipShowing, 1500)) << "a tool tip where none belongs";
  }
  auto* notebook = dynamic_cast<fw::TNotebook*>(Host::Find("Notebook1"));
  notebook->SetActivePage("GLQuake");
  MoveMouse(Over("CheckBox21"));
  EXPECT_FALSE(PumpUntil(TipShowing, 1500));
  notebook->SetActivePage("General");
}

TEST(FixedSize, ResizingSnapsBackTo317By264AndThereIsNoMaximiseBox) {
  HWND hwnd = Host::Form()->Handle();
  int resizes = 0;
  fw::Method handler = Host::Form()->onResize;
  Host::Form()->onResize = fw::Method{"", [&](fw::Component* sender) {
                                        ++resizes;
                                        handler(sender);
                                      }};
  auto size = [hwnd] {
    RECT r;
    ::GetWindowRect(hwnd, &r);
    return std::make_pair(static_cast<int>(r.right - r.left), static_cast<int>(r.bottom - r.top));
  };
  EXPECT_EQ(::GetWindowLongA(hwnd, GWL_STYLE) & WS_MAXIMIZEBOX, 0);
  EXPECT_NE(::GetWindowLongA(hwnd, GWL_STYLE) & WS_THICKFRAME, 0) << "a border to drag";
  RECT before;
  ::GetWindowRect(hwnd, &before);
  ::SetWindowPos(hwnd, nullptr, 0, 0, 420, 330, SWP_NOMOVE | SWP_NOZORDER);
  PumpFor(100);
  EXPECT_EQ(size(), std::make_pair(317, 264));
  EXPECT_GT(resizes, 0);

  // A drag of the border ends in such moves too.
  resizes = 0;
  ::MoveWindow(hwnd, 40, 30, 300, 200, TRUE);
  PumpFor(100);
  EXPECT_EQ(size(), std::make_pair(317, 264));
  EXPECT_GT(resizes, 0);
  Host::Form()->onResize = handler;
  ::SetWindowPos(hwnd, nullptr, before.left, before.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

// Clicks the About button, then closes the box with its OK button from a helper thread;
// returns the box's window and whether the main window was disabled meanwhile.
std::pair<HWND, bool> ShowAboutOnce(bool fromMenu) {
  std::atomic<HWND> seen{nullptr};
  std::atomic<bool> mainDisabled{false};
  HWND main = Host::Form()->Handle();
  HWND ok = dynamic_cast<fw::TWinControl*>(AboutBox->FindComponent("OKButton"))->Handle();
  std::thread closer([&] {
    for (int i = 0; i < 500 && !seen; ++i) {
      HWND box = ::FindWindowA(nullptr, "About");
      if (box && ::IsWindowVisible(box)) {
        ::Sleep(100);
        mainDisabled = !::IsWindowEnabled(main);
        seen = box;
        ::PostMessageA(ok, BM_CLICK, 0, 0);
      }
      ::Sleep(10);
    }
  });
  if (fromMenu)
    Host::Form()->About1Click(nullptr);
  else
    ClickAt(Over("Win95SpeedButton2"));
  PumpUntil([&] { return seen.load() != nullptr && !::IsWindowVisible(seen); }, 5000);
  closer.join();
  return {seen.load(), mainDisabled.load()};
}

TEST(AboutBox, OneWindowShownModallyEachTime) {
  Host::Activate();
  TAboutBox* box = AboutBox;
  const auto [first, disabledFirst] = ShowAboutOnce(false);
  ASSERT_NE(first, nullptr) << "the About box did not appear";
  EXPECT_TRUE(disabledFirst) << "modal: the main window is disabled meanwhile";
  EXPECT_FALSE(::IsWindowVisible(first));
  EXPECT_TRUE(::IsWindowEnabled(Host::Form()->Handle()));
  EXPECT_EQ(box->ModalResult(), fw::mrOk);
  const auto [second, disabledSecond] = ShowAboutOnce(true);
  EXPECT_EQ(second, first) << "the same window the second time";
  EXPECT_TRUE(disabledSecond);
  EXPECT_EQ(AboutBox, box);
  EXPECT_TRUE(::IsWindow(first));
}

HCURSOR CursorOver(POINT p) {
  MoveMouse(p);
  PumpFor(100);
  CURSORINFO info{};
  info.cbSize = sizeof info;
  ::GetCursorInfo(&info);
  return info.hCursor;
}

TEST(Splash, HourglassWhileUpAndGoneWithTheArrowOnceTheTimerRestoresTheMainWindow) {
  Host::Form()->SetWindowState(fw::wsMinimized);
  PumpFor(100);
  ShowSplash();
  ASSERT_NE(Splash, nullptr);
  HWND splash = Splash->Handle();
  EXPECT_TRUE(::IsWindowVisible(splash));
  RECT client, outer;
  ::GetClientRect(splash, &client);
  ::GetWindowRect(splash, &outer);
  EXPECT_EQ(client.right, 213);
  EXPECT_EQ(client.bottom, 212);
  EXPECT_EQ(outer.right - outer.left, 213) << "no border";
  EXPECT_EQ(::GetWindowLongA(splash, GWL_STYLE) & WS_CAPTION, 0);
  EXPECT_NE(::GetWindowLongA(splash, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_NEAR((outer.left + outer.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_EQ(::GetWindowLongA(splash, GWLP_HWNDPARENT), 0) << "no owner";
  EXPECT_EQ(fw::Application()->Cursor(), fw::crHourGlass);
  EXPECT_EQ(CursorOver(CentreOf(splash)), ::LoadCursorA(nullptr, IDC_WAIT));

  // The splash timer restores the main window, which takes the activation from the splash: the
  // splash is still up when the main window becomes active, and goes after.
  int activations = 0;
  bool splashUpAtActivation = false;
  Host::Form()->onActivate = fw::Method{"", [&](fw::Component*) {
                                          if (!activations++)
                                            splashUpAtActivation = ::IsWindowVisible(splash);
                                        }};
  Host::Form()->timerSplashTimer(nullptr);
  Host::Form()->onActivate = fw::Method{};
  EXPECT_EQ(::GetForegroundWindow(), Host::Form()->Handle());
  EXPECT_GT(activations, 0);
  EXPECT_TRUE(splashUpAtActivation) << "the splash went before the main window was active";
  EXPECT_TRUE(PumpUntil([] { return Splash == nullptr; }, 2000)) << "the splash stayed";
  EXPECT_FALSE(::IsWindow(splash));
  EXPECT_EQ(fw::Application()->Cursor(), fw::crDefault);
  EXPECT_EQ(Host::Form()->WindowState(), fw::wsNormal);
  EXPECT_FALSE(::IsIconic(Host::Form()->Handle()));
  EXPECT_EQ(CursorOver(ScreenPoint(Host::Form()->Handle(), 250, 150)), ::LoadCursorA(nullptr, IDC_ARROW));
}

}  // namespace
}  // namespace gv::test
