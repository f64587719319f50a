// Forms in real windows: creation from text, the close sequence, modal display, resizing back,
// a minimised start and its restore, deferred destruction.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/error.h"
#include "framework/stdctrls/label.h"
#include "framework/win32/application.h"
#include "tests/framework/win32/test_controls.h"
#include "tests/support/message_loop.h"

namespace fw::test {
namespace {

using gv::test::PumpFor;
using gv::test::PumpUntil;
using Log = std::vector<std::string>;

const char kMainText[] = R"(object Main: TTestForm
  Left = 100
  Top = 80
  Width = 317
  Height = 264
  BorderIcons = [biSystemMenu, biMinimize]
  Caption = 'Main'
  OnClose = FormClose
  OnCreate = FormCreate
  OnShow = FormShow
  object Check1: TTestCheck
    Left = 8
    Top = 8
    Width = 120
    Height = 20
    Caption = 'One'
  end
end
)";

const char kDialogText[] = R"(object Dialog: TTestForm
  BorderStyle = bsDialog
  Caption = 'Dialog'
  ClientHeight = 234
  ClientWidth = 296
  Position = poScreenCenter
  object Name1: TTestCheck
    Left = 8
    Top = 8
    Width = 120
    Height = 20
  end
  object OkButton: TTestButton
    Left = 120
    Top = 194
    Width = 65
    Height = 33
    Caption = 'OK'
    Default = True
    ModalResult = 1
  end
  object CancelButton: TTestButton
    Left = 200
    Top = 194
    Width = 65
    Height = 33
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
  end
end
)";

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestClasses();
    Application()->SetTitle("Test App");
  }
  void TearDown() override {
    // A test that ended the loop leaves WM_QUIT seen: one more run takes it back.
    if (Application()->Terminated()) {
      PostQuitMessage(0);
      Application()->Run();
    }
  }
};

TEST_F(FormTest, CreatedFromTextRunsOnCreateOnceAndTheFirstFormIsMain) {
  std::unique_ptr<TTestForm> main(Application()->CreateFormFromText<TTestForm>(kMainText));
  std::unique_ptr<TTestForm> dialog(Application()->CreateFormFromText<TTestForm>(kDialogText));
  EXPECT_EQ(main->log_, Log{"FormCreate:Main"});
  EXPECT_EQ(Application()->MainForm(), main.get());
  EXPECT_FALSE(main->Visible());
  EXPECT_FALSE(main->HandleAllocated());

  // No maximise box without biMaximize; the client size follows from the dialog frame.
  main->Show();
  dialog->Show();
  EXPECT_EQ(main->log_, (Log{"FormCreate:Main", "FormShow:Main"}));
  LONG style = GetWindowLongA(main->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  RECT client, outer;
  GetClientRect(dialog->Handle(), &client);
  EXPECT_EQ(client.right, 296);
  EXPECT_EQ(client.bottom, 234);
  GetWindowRect(dialog->Handle(), &outer);
  EXPECT_EQ(outer.right - outer.left, dialog->Width());
  // Centred on the screen.
  EXPECT_NEAR(outer.left + outer.right, GetSystemMetrics(SM_CXSCREEN), 1);
  EXPECT_NEAR(outer.top + outer.bottom, GetSystemMetrics(SM_CYSCREEN), 1);

  main.reset();
  EXPECT_EQ(Application()->MainForm(), nullptr);
}

TEST_F(FormTest, CreateFormReadsTheResourceNamedAfterTheClass) {
  std::unique_ptr<TTestForm> form(Application()->CreateForm<TTestForm>());
  EXPECT_EQ(form->Name(), "FromResource");
  EXPECT_EQ(form->Caption(), "From the resource");
  EXPECT_NE(form->FindComponent("Check1"), nullptr);
  EXPECT_EQ(form->log_, Log{"FormCreate:FromResource"});
  EXPECT_EQ(Application()->MainForm(), form.get());

  // A class without a description: an error, and nothing is left behind.
  try {
    Application()->CreateForm<TForm>();
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Resource TFORM not found");
  }
  EXPECT_EQ(Application()->Components().size(), 1u);
  EXPECT_EQ(Application()->MainForm(), form.get());
}

TEST_F(FormTest, CloseRunsQueryThenOnCloseThenEndsTheLoop) {
  std::unique_ptr<TTestForm> main(Application()->CreateFormFromText<TTestForm>(kMainText));
  main->onCloseQuery = [&](Component* sender, bool&) { main->Log("CloseQuery", sender); };
  main->log_.clear();
  // The system menu's close command, as the platform sends it.
  PostMessageA(main->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  Application()->Run();  // returns once the close has ended the loop
  EXPECT_EQ(main->log_, (Log{"FormShow:Main", "CloseQuery:Main", "FormClose:Main"}));
}

TEST_F(FormTest, RefusedCloseQueryKeepsTheWindowOpen) {
  std::unique_ptr<TTestForm> main(Application()->CreateFormFromText<TTestForm>(kMainText));
  bool allow = false;
  main->onCloseQuery = [&](Component*, bool& canClose) { canClose = allow; };
  main->Show();
  main->log_.clear();
  PostMessageA(main->Handle(), WM_CLOSE, 0, 0);
  PumpFor(100);
  EXPECT_TRUE(main->log_.empty());
  EXPECT_FALSE(Application()->Terminated());
  EXPECT_TRUE(IsWindowVisible(main->Handle()));

  allow = true;
  main->Close();
  EXPECT_EQ(main->log_, Log{"FormClose:Main"});
  PumpFor(50);
  EXPECT_TRUE(Application()->Terminated());
}

TEST_F(FormTest, ClosingAnotherFormHidesIt) {
  std::unique_ptr<TTestForm> main(Application()->CreateFormFromText<TTestForm>(kMainText));
  std::unique_ptr<TTestForm> other(Application()->CreateFormFromText<TTestForm>(kDialogText));
  other->Show();
  other->Close();
  EXPECT_FALSE(other->Visible());
  EXPECT_FALSE(IsWindowVisible(other->Handle()));
  PumpFor(50);
  EXPECT_FALSE(Application()->Terminated());
}

// Steps run from a timer while a modal display is up.
struct ModalScript {
  std::vector<std::function<void()>> steps;
  size_t next = 0;
};
ModalScript* script = nullptr;

void CALLBACK RunStep(HWND, UINT, UINT_PTR, DWORD) {
  if (script && script->next < script->steps.size()) script->steps[script->next++]();
}

int ShowModalWith(TForm* form, std::vector<std::function<void()>> steps) {
  ModalScript s{std::move(steps)};
  script = &s;
  UINT_PTR timer = SetTimer(nullptr, 0, 50, RunStep);
  int result = form->ShowModal();
  KillTimer(nullptr, timer);
  script = nullptr;
  return result;
}

TEST_F(FormTest, ModalDisplayEndsWithTheModalResultAndReusesTheWindow) {
  std::unique_ptr<TTestForm> main(Application()->CreateFormFromText<TTestForm>(kMainText));
  std::unique_ptr<TTestForm> dialog(Application()->CreateFormFromText<TTestForm>(kDialogText));
  main->Show();
  HWND first = nullptr;
  bool mainDisabled = false;
  auto ok = dialog->FindComponent("OkButton");
  int result = ShowModalWith(dialog.get(), {[&] {
                               first = dialog->Handle();
                               mainDisabled = !IsWindowEnabled(main->Handle());
                               SendMessageA(static_cast<TWinControl*>(ok)->Handle(), BM_CLICK, 0, 0);
                             }});
  EXPECT_EQ(result, mrOk);
  EXPECT_TRUE(mainDisabled);
  EXPECT_TRUE(IsWindowEnabled(main->Handle()));
  EXPECT_FALSE(IsWindowVisible(dialog->Handle()));

  // The close command ends it with mrCancel; the same window is shown again.
  HWND second = nullptr;
  result = ShowModalWith(dialog.get(), {[&] {
                           second = dialog->Handle();
                           PostMessageA(dialog->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
                         }});
  EXPECT_EQ(result, mrCancel);
  EXPECT_EQ(first, second);
  EXPECT_FALSE(Application()->Terminated());
}

// A form made hidden (the About box) sizes the labels read with it once their parent's window is
// made, as the first display does: by then each has the size of its text in its own font.
TEST_F(FormTest, HiddenFormsLabelsTakeTheSizeOfTheirTextWhenFirstShown) {
  std::unique_ptr<TTestForm> main(Application()->CreateFormFromText<TTestForm>(kMainText));
  std::unique_ptr<TTestForm> box(Application()->CreateFormFromText<TTestForm>(R"(object Box: TTestForm
  Caption = 'Box'
  object Panel1: TPanel
    Width = 280
    Height = 170
    object Title: TLabel
      Left = 128
      Top = 8
      Width = 3
      Height = 4
      Font.Height = -24
      Font.Name = 'Times New Roman'
      Font.Style = [fsBold, fsItalic]
      ParentFont = False
      Caption = 'Version 1.0'
    end
  end
end
)"));
  auto* title = dynamic_cast<TLabel*>(box->FindComponent("Title"));
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->Width(), 3) << "measured only when it can be seen";
  box->Show();
  const SIZE text = title->TextExtent();
  EXPECT_GT(text.cx, 60);
  EXPECT_EQ(title->Width(), text.cx);
  EXPECT_EQ(title->Height(), text.cy);
  EXPECT_EQ(title->Left(), 128);
}

TEST_F(FormTest, EnterAndEscapeGoToTheDefaultAndCancelButtons) {
  std::unique_ptr<TTestForm> main(Application()->CreateFormFromText<TTestForm>(kMainText));
  std::unique_ptr<TTestForm> dialog(Application()->CreateFormFromText<TTestForm>(kDialogText));
  main->Show();
  auto press = [&](WORD key) { return [key] { PostMessageA(GetFocus(), WM_KEYDOWN, key, 0); }; };
  EXPECT_EQ(ShowModalWith(dialog.get(), {press(VK_RETURN)}), mrOk);
  EXPECT_EQ(ShowModalWith(dialog.get(), {press(VK_ESCAPE)}), mrCancel);
}

TEST_F(FormTest, ResizeHandlerThatSetsTheSizeBackDoesNotRecurse) {
  std::unique_ptr<TTestForm> main(Application()->CreateFormFromText<TTestForm>(kMainText));
  int calls = 0;
  main->onResize.fn = [&](Component*) {
    ++calls;
    main->SetWidth(317);
    main->SetHeight(264);
  };
  main->Show();
  calls = 0;
  // What dragging the border ends with.
  SetWindowPos(main->Handle(), nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
  PumpFor(50);
  RECT r;
  GetWindowRect(main->Handle(), &r);
  EXPECT_EQ(r.right - r.left, 317);
  EXPECT_EQ(r.bottom - r.top, 264);
  EXPECT_EQ(main->Width(), 317);
  EXPECT_GE(calls, 1);
  EXPECT_LE(calls, 3);
}

const char kSplashText[] = R"(object Splash: TTestForm
  BorderIcons = []
  BorderStyle = bsNone
  ClientHeight = 212
  ClientWidth = 213
  FormStyle = fsStayOnTop
  Position = poScreenCenter
end
)";

TEST_F(FormTest, MinimisedStartKeepsBoundsAndRestoreMakesTheControlsAndActivates) {
  auto* splash = new TTestForm(nullptr);
  Application()->ReadForm(splash, kSplashText);
  std::unique_ptr<TTestForm> main(Application()->CreateFormFromText<TTestForm>(kMainText));
  bool splashGone = false;
  splash->onDestroy.fn = [&](Component*) { splashGone = true; };
  splash->onDeactivate.fn = [&](Component*) {
    main->SetWindowState(wsNormal);
    splash->Release();
  };
  int resizes = 0;
  main->onResize.fn = [&](Component*) {
    ++resizes;
    main->SetBounds(main->Left(), main->Top(), 317, 264);
  };
  splash->Show();
  EXPECT_TRUE(GetWindowLongA(splash->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  PumpFor(50);
  ASSERT_EQ(GetActiveWindow(), splash->Handle());

  main->SetWindowState(wsMinimized);
  main->Show();
  PumpFor(50);
  EXPECT_TRUE(IsIconic(main->Handle()));
  EXPECT_EQ(GetActiveWindow(), splash->Handle());
  // The bounds stay those of the normal position, so the handler changes nothing.
  EXPECT_GE(resizes, 1);
  EXPECT_EQ(main->Width(), 317);
  EXPECT_EQ(main->Height(), 264);
  EXPECT_EQ(main->Left(), 100);
  EXPECT_TRUE(IsIconic(main->Handle()));
  auto* check = dynamic_cast<TWinControl*>(main->FindComponent("Check1"));
  ASSERT_NE(check, nullptr);
  EXPECT_FALSE(check->HandleAllocated()) << "nothing inside a minimised window is seen";

  main->SetWindowState(wsNormal);
  EXPECT_TRUE(PumpUntil([&] { return splashGone; }));
  EXPECT_FALSE(IsIconic(main->Handle()));
  EXPECT_EQ(GetActiveWindow(), main->Handle());
  EXPECT_EQ(main->WindowState(), wsNormal);
  ASSERT_TRUE(check->HandleAllocated());
  EXPECT_TRUE(IsWindowVisible(check->HandleIfAllocated()));
  EXPECT_EQ(GetParent(check->HandleIfAllocated()), main->Handle());
  RECT r;
  GetWindowRect(main->Handle(), &r);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.right - r.left, 317);
}

int windowsMade = 0;
LRESULT CALLBACK CountCreations(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_CREATEWND) ++windowsMade;
  return CallNextHookEx(nullptr, code, wp, lp);
}

TEST_F(FormTest, DestroyingAFormWhoseControlHasTheFocusMakesNoWindow) {
  auto* main = Application()->CreateFormFromText<TTestForm>(kMainText);
  main->Show();
  ASSERT_TRUE(PumpUntil(
      [&] { return GetFocus() == static_cast<TWinControl*>(main->FindComponent("Check1"))->Handle(); }));
  windowsMade = 0;
  HHOOK hook = SetWindowsHookExA(WH_CBT, CountCreations, nullptr, GetCurrentThreadId());
  delete main;
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(windowsMade, 0);
}

TEST_F(FormTest, OnDestroyRunsWhileTheControlsStillExist) {
  auto* main = Application()->CreateFormFromText<TTestForm>(kMainText);
  bool sawCheck = false;
  main->onDestroy.fn = [&](Component*) { sawCheck = main->FindComponent("Check1") != nullptr; };
  main->Show();
  delete main;
  EXPECT_TRUE(sawCheck);
  EXPECT_EQ(Application()->MainForm(), nullptr);
}

}  // namespace
}  // namespace fw::test
