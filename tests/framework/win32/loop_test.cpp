// The message loop's services in real windows: timers, pop-up menus driven by keys, the error
// box for a failing handler, and the application-wide pointer.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/component_writer.h"
#include "framework/core/error.h"
#include "framework/win32/application.h"
#include "framework/win32/popup_menu.h"
#include "framework/win32/timer.h"
#include "tests/framework/win32/test_controls.h"
#include "tests/support/input.h"
#include "tests/support/message_box.h"
#include "tests/support/message_loop.h"

namespace fw::test {
namespace {

using gv::test::BoxSeen;
using gv::test::BoxWatcher;
using gv::test::CentreOf;
using gv::test::ClickAt;
using gv::test::MoveMouse;
using gv::test::PumpFor;
using gv::test::PumpUntil;
using Names = std::vector<std::string>;

const char kLoopText[] = R"(object Loop: TTestForm
  Left = 150
  Top = 120
  Width = 300
  Height = 200
  Caption = 'Loop'
  PopupMenu = PopupMenu1
  object Button1: TTestCheck
    Left = 8
    Top = 8
    Width = 100
    Height = 24
    TabOrder = 0
    OnClick = ControlClick
  end
  object PopupMenu1: TPopupMenu
    object First1: TMenuItem
      Caption = '&First'
      OnClick = ControlClick
    end
    object N1: TMenuItem
      Caption = '-'
    end
    object Second1: TMenuItem
      Caption = '&Second'
      Checked = True
      OnClick = ControlClick
    end
    object Third1: TMenuItem
      Caption = '&Third'
      Enabled = False
      OnClick = ControlClick
    end
  end
  object Tick: TTimer
    Interval = 30
    OnTimer = ControlClick
  end
end
)";

class LoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestClasses();
    Application()->SetTitle("Test App");
    form_.reset(Application()->CreateFormFromText<TTestForm>(kLoopText));
    form_->Show();
    ASSERT_TRUE(PumpUntil([this] { return GetActiveWindow() == form_->Handle(); }));
  }
  template <class T>
  T* Find(const char* name) {
    return static_cast<T*>(form_->FindComponent(name));
  }

  std::unique_ptr<TTestForm> form_;
};

TEST_F(LoopTest, TimerFromTextRunsOnTheGuiThreadUntilDisabled) {
  auto* tick = Find<TTimer>("Tick");
  int fired = 0;
  DWORD thread = 0;
  tick->onTimer.fn = [&](Component*) {
    thread = GetCurrentThreadId();
    if (++fired == 3) tick->SetEnabled(false);
  };
  PumpFor(400);
  EXPECT_EQ(fired, 3);
  EXPECT_EQ(thread, GetCurrentThreadId());
  // Enabling restarts it; a new interval applies.
  tick->SetInterval(20);
  tick->SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return fired == 4; }));
  tick->SetEnabled(false);
}

TEST_F(LoopTest, WrittenTextKeepsMenuItemsNestedAndReadsBackTheSame) {
  const std::string text = WriteRootText(form_.get());
  EXPECT_NE(text.find("  object PopupMenu1: TPopupMenu\r\n    object First1: TMenuItem\r\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("    Interval = 30\r\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("ClientWidth"), std::string::npos) << "not stored";
  auto copy = std::make_unique<TTestForm>(nullptr);
  Application()->ReadForm(copy.get(), text);
  Find<TTimer>("Tick")->SetEnabled(false);
  static_cast<TTimer*>(copy->FindComponent("Tick"))->SetEnabled(false);
  EXPECT_EQ(WriteRootText(copy.get()), WriteRootText(form_.get()));
}

// What a step saw of the menu while it was up.
struct MenuSeen {
  RECT rect{};
  Names captions;
  UINT secondState = 0, thirdState = 0;
};
std::function<void()>* menuStep = nullptr;

void CALLBACK OnMenuTimer(HWND, UINT, UINT_PTR id, DWORD) {
  if (!FindWindowA("#32768", nullptr) || !menuStep) return;
  KillTimer(nullptr, id);
  (*menuStep)();
}

// Runs open() (which shows a menu) with step() run once the menu is up.
void WithMenu(const std::function<void()>& open, std::function<void()> step) {
  menuStep = &step;
  UINT_PTR timer = SetTimer(nullptr, 0, 30, OnMenuTimer);
  open();
  KillTimer(nullptr, timer);
  menuStep = nullptr;
}

TEST_F(LoopTest, PopupMenuShowsItemsAndRunsTheChosenOnesClick) {
  Find<TTimer>("Tick")->SetEnabled(false);
  auto* menu = Find<TPopupMenu>("PopupMenu1");
  MenuSeen seen;
  HWND owner = form_->Handle();
  WithMenu([&] { menu->Popup(300, 200); },
           [&] {
             HWND window = FindWindowA("#32768", nullptr);
             GetWindowRect(window, &seen.rect);
             HMENU items = reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
             for (int i = 0; i < GetMenuItemCount(items); ++i) {
               char text[64] = "";
               GetMenuStringA(items, i, text, sizeof text, MF_BYPOSITION);
               seen.captions.push_back(text);
             }
             seen.secondState = GetMenuState(items, 2, MF_BYPOSITION);
             seen.thirdState = GetMenuState(items, 3, MF_BYPOSITION);
             // Down to the first item, down past the separator, Enter.
             for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageA(owner, WM_KEYDOWN, key, 0);
           });
  EXPECT_EQ(seen.rect.left, 300);
  EXPECT_EQ(seen.rect.top, 200);
  EXPECT_EQ(seen.captions, (Names{"&First", "", "&Second", "&Third"}));
  EXPECT_TRUE(seen.secondState & MF_CHECKED);
  EXPECT_TRUE(seen.thirdState & MF_GRAYED);
  EXPECT_EQ(form_->log_, Names{"Click:Second1"});

  // The access letter chooses an item; Escape chooses none.
  WithMenu([&] { menu->Popup(300, 200); }, [&] { PostMessageA(owner, WM_KEYDOWN, 'F', 0); });
  WithMenu([&] { menu->Popup(300, 200); }, [&] { PostMessageA(owner, WM_KEYDOWN, VK_ESCAPE, 0); });
  EXPECT_EQ(form_->log_, (Names{"Click:Second1", "Click:First1"}));
}

TEST_F(LoopTest, RightClickOpensTheFormsMenuAtThePointer) {
  Find<TTimer>("Tick")->SetEnabled(false);
  HWND button = Find<TWinControl>("Button1")->Handle();
  POINT at = CentreOf(button);
  RECT rect{};
  WithMenu(
      [&] {
        ClickAt(at, true);
        PumpUntil([this] { return !form_->log_.empty(); });
      },
      [&] {
        GetWindowRect(FindWindowA("#32768", nullptr), &rect);
        PostMessageA(button, WM_KEYDOWN, 'F', 0);
      });
  EXPECT_EQ(form_->log_, Names{"Click:First1"});
  EXPECT_EQ(rect.left, at.x);
  EXPECT_EQ(rect.top, at.y);
}

// Runs trigger() and returns the error box it caused, closed by a watcher.
BoxSeen BoxFrom(const std::function<void()>& trigger) {
  BoxWatcher watcher;
  trigger();
  return watcher.Seen();
}

TEST_F(LoopTest, ExceptionsInHandlersShowTheErrorBoxAndTheLoopCarriesOn) {
  auto* button = Find<TTestCheck>("Button1");
  auto* tick = Find<TTimer>("Tick");
  tick->SetEnabled(false);
  button->onClick.fn = [](Component*) { throw Error("Boom"); };
  BoxSeen seen = BoxFrom([&] {
    PostMessageA(button->Handle(), BM_CLICK, 0, 0);
    gv::test::DispatchPending();  // returns once the box has been closed
  });
  EXPECT_EQ(seen.title, "Test App");
  EXPECT_EQ(seen.text, "Boom.");
  EXPECT_TRUE(seen.hasIcon);

  tick->onTimer.fn = [&](Component*) {
    tick->SetEnabled(false);
    throw Error("Tick failed");
  };
  tick->SetEnabled(true);
  seen = BoxFrom([] { PumpFor(300); });
  EXPECT_EQ(seen.text, "Tick failed.");

  // The next click goes through as usual.
  bool clicked = false;
  button->onClick.fn = [&](Component*) { clicked = true; };
  PostMessageA(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return clicked; }));
}

TEST_F(LoopTest, HourglassShowsOverEveryWindowUntilReset) {
  HWND button = Find<TWinControl>("Button1")->Handle();
  MoveMouse(CentreOf(button));
  PumpFor(50);
  Application()->SetCursor(crHourGlass);
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT));
  // Over another window of the program (the form's own client area).
  MoveMouse(form_->ClientToScreen(POINT{200, 120}));
  PumpFor(50);
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT));
  Application()->SetCursor(crDefault);
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_ARROW));
}

}  // namespace
}  // namespace fw::test
