// Map choice and video-mode menus in the real main window: picks reach both holders and the
// batch line; the menus open beside their buttons and fill the fields.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "app/batch_line.h"
#include "framework/stdctrls/check_box.h"
#include "framework/stdctrls/combo_box.h"
#include "framework/stdctrls/notebook.h"
#include "framework/stdctrls/radio_button.h"
#include "framework/win32/popup_menu.h"
#include "tests/app/frm_main_host.h"
#include "tests/support/input.h"
#include "tests/support/message_loop.h"
#include "tests/support/window_info.h"

namespace gv::test {
namespace {

using Host = FrmMainHost;
using C = FrmMainControls;
using ListMember = fw::TComboBox* C::*;

fw::TControl* Control(const FrmMainPart::Control& part) {
  return dynamic_cast<fw::TControl*>(Host::Find(part));
}
fw::TComboBox* List(ListMember list) { return Host::Get(list); }
std::string Shown() { return WindowText(Host::Handle(&C::chosenMap)); }
std::string MapName() { return Control(&C::mapFile)->Caption(); }
std::string Line() { return BuildBatchLine(Host::Form()->TakeLaunchOptions()); }

void ShowPage(const char* page) {
  Host::Get(&C::pages)->SetActivePage(page);
  PumpFor(30);
}

// The user picks item index of a list: the list's selection moves and the list tells its
// parent, as a pick with the mouse or the arrow keys does.
void Pick(ListMember list, int index) {
  HWND combo = List(list)->Handle();
  ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  ::SendMessageA(::GetParent(combo), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
  PumpFor(20);
}

void ClickRadio(fw::TRadioButton* C::*button) {
  HWND radio = Host::Handle(button);
  ClickAt(ScreenPoint(radio, 6, 8));
  PumpUntil([radio] { return ::SendMessageA(radio, BM_GETCHECK, 0, 0) == BST_CHECKED; }, 1500);
}

class MapChoice : public ::testing::Test {
 protected:
  void SetUp() override {
    Host::Activate();
    ShowPage("Map");
  }
};

TEST_F(MapChoice, AtFirstBothHoldersAreEmptyAndTheLineEndsInMap) {
  EXPECT_EQ(List(&C::baseMaps)->ItemIndex(), 0);
  EXPECT_EQ(List(&C::addOnMaps)->ItemIndex(), 0);
  EXPECT_EQ(Shown(), "");
  EXPECT_EQ(MapName(), "");
  EXPECT_EQ(Line().substr(Line().size() - 6), " +map ");
  EXPECT_TRUE(::IsWindowEnabled(List(&C::addOnMaps)->Handle()));
  EXPECT_FALSE(::IsWindowEnabled(List(&C::baseMaps)->Handle()));
}

TEST_F(MapChoice, BaseGameMapsGoToBothHolders) {
  ClickRadio(&C::baseMapsOn);
  EXPECT_TRUE(::IsWindowEnabled(List(&C::baseMaps)->Handle()));
  EXPECT_FALSE(::IsWindowEnabled(List(&C::addOnMaps)->Handle()));
  Pick(&C::baseMaps, 22);  // "E2M7"
  EXPECT_EQ(Shown(), "e2m7");
  EXPECT_EQ(MapName(), "e2m7");
  Pick(&C::baseMaps, 42);  // "END"
  EXPECT_EQ(Shown(), "end");
  EXPECT_EQ(MapName(), "end");
  EXPECT_NE(Line().find(" -game gorvale +map end"), std::string::npos);
  Pick(&C::baseMaps, 40);  // a separator
  EXPECT_EQ(Shown(), "");
  EXPECT_EQ(MapName(), "");
}

TEST_F(MapChoice, AddOnMapsShowTheTitleAndPassTheFileName) {
  ClickRadio(&C::addOnMapsOn);
  Pick(&C::addOnMaps, 4);  // "Shatter the Step"
  EXPECT_EQ(Shown(), "Shatter The Step");
  EXPECT_EQ(MapName(), "gdm17");
  Pick(&C::addOnMaps, 2);
  EXPECT_EQ(MapName(), "gdm04") << "file numbers are not consecutive";

  // A change with no current item, as typing into the field can give: the shown name goes,
  // the chosen file stays.
  HWND combo = List(&C::addOnMaps)->Handle();
  ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  ::SendMessageA(::GetParent(combo), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(combo));
  PumpFor(20);
  EXPECT_EQ(Shown(), "");
  EXPECT_EQ(MapName(), "gdm04");
}

TEST_F(MapChoice, TypingIntoTheFieldRaisesTheChangeAndOnlyTheIndexCounts) {
  ClickRadio(&C::addOnMapsOn);
  Pick(&C::addOnMaps, 1);
  List(&C::addOnMaps)->SetFocus();
  PumpFor(20);
  PressKey('X');
  PumpFor(100);
  int index = List(&C::addOnMaps)->ItemIndex();
  EXPECT_EQ(Shown(), index == 1 ? "Sunken Keep" : "") << "index reported: " << index;
  EXPECT_EQ(MapName(), "gdm02");
}

TEST_F(MapChoice, SwitchingListsKeepsTheLastPick) {
  ClickRadio(&C::addOnMapsOn);
  Pick(&C::addOnMaps, 0);
  ClickRadio(&C::baseMapsOn);
  EXPECT_EQ(Shown(), "Ashen Vault");
  EXPECT_EQ(MapName(), "gdm01");
  EXPECT_NE(Line().find(" +map gdm01"), std::string::npos);
  ClickRadio(&C::addOnMapsOn);
}

bool MenuShowing() {
  HWND menu = ::FindWindowA("#32768", nullptr);
  return menu && ::IsWindowVisible(menu);
}

// Runs open and closes the menu it brings up with Escape; the number of the menu's entries, 0
// when no menu came.
int EntriesOfMenuOpenedBy(const std::function<void()>& open) {
  PumpUntil([] { return !MenuShowing(); }, 2000);
  std::atomic<int> entries{0};
  std::thread closer([&entries] {
    for (int i = 0; i < 400 && !entries; ++i) {
      HWND menu = ::FindWindowA("#32768", nullptr);
      auto hmenu = menu && ::IsWindowVisible(menu)
                       ? reinterpret_cast<HMENU>(::SendMessageA(menu, MN_GETHMENU, 0, 0))
                       : nullptr;
      if (hmenu) {
        entries = ::GetMenuItemCount(hmenu);
        PressKey(VK_ESCAPE);
      }
      ::Sleep(10);
    }
  });
  open();
  PumpUntil([&entries] { return entries.load() != 0; }, 5000);
  PumpFor(150);
  closer.join();
  return entries;
}

// The text fields of the map lists are the system's edit windows: a right-click or the menu key
// there opens the window's menu, as anywhere else, not the edit's Cut/Copy/Paste menu.
TEST_F(MapChoice, RightClickAndMenuKeyInTheListFieldsOpenTheWindowsMenu) {
  auto* menu = dynamic_cast<fw::TPopupMenu*>(Host::Find("PopupMenu1"));
  const int entries = static_cast<int>(menu->Items().size());
  auto field = [](ListMember list) {
    return ::FindWindowExA(List(list)->Handle(), nullptr, "Edit", nullptr);
  };
  ClickRadio(&C::baseMapsOn);
  ASSERT_TRUE(field(&C::baseMaps));
  menu->SetPopupComponent(nullptr);
  EXPECT_EQ(EntriesOfMenuOpenedBy([&] { ClickAt(CentreOf(field(&C::baseMaps)), true); }), entries);
  EXPECT_EQ(menu->PopupComponent(), List(&C::baseMaps));

  ClickRadio(&C::addOnMapsOn);
  List(&C::addOnMaps)->SetFocus();
  PumpFor(20);
  menu->SetPopupComponent(nullptr);
  EXPECT_EQ(EntriesOfMenuOpenedBy([] { PressKey(VK_APPS); }), entries);
  EXPECT_EQ(menu->PopupComponent(), List(&C::addOnMaps));
}

// Opens a menu by clicking its button and clicks its entry number item once that menu (the one
// with entries entries) is up; returns where the menu window appeared.
RECT ChooseFromButtonMenu(TWin95SpeedButton* C::*button, int item, int entries) {
  PumpUntil([] { return !MenuShowing(); }, 2000);  // the menu before, if any, is gone
  std::atomic<bool> done{false};
  RECT shown{};
  std::thread picker([&] {
    for (int i = 0; i < 400 && !done; ++i) {
      HWND menu = ::FindWindowA("#32768", nullptr);
      auto hmenu = menu ? reinterpret_cast<HMENU>(::SendMessageA(menu, MN_GETHMENU, 0, 0)) : nullptr;
      if (menu && ::IsWindowVisible(menu) && hmenu && ::GetMenuItemCount(hmenu) == entries) {
        ::GetWindowRect(menu, &shown);
        RECT r{};
        ::GetMenuItemRect(nullptr, hmenu, static_cast<UINT>(item), &r);
        // Point at the entry first and let the menu follow, as a hand would: the menu opens
        // under the pointer, with its first entry hot.
        const POINT target{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        MoveMouse(target);
        ::Sleep(150);
        ClickAt(target);
        done = true;
      }
      ::Sleep(10);
    }
  });
  auto* b = Control(button);
  ClickAt(ScreenPoint(b->Parent()->Handle(), b->Left() + b->Width() / 2, b->Top() + b->Height() / 2));
  PumpUntil([&done] { return done.load(); }, 5000);
  PumpFor(150);
  picker.join();
  return shown;
}

TEST(VideoModeMenus, EntriesFillTheFieldsAndTheLineFollows) {
  Host::Activate();
  ShowPage("GLQuake");
  for (fw::TCheckBox* C::*member : {&C::usingGLQuake, &C::resolutionOn}) {
    fw::TCheckBox* box = Host::Get(member);
    if (!box->Checked()) box->SetChecked(true);
  }
  RECT menu = ChooseFromButtonMenu(&C::resolutionMenuButton, 6, 7);  // "1280x1024"
  EXPECT_EQ(Control(&C::width)->Text(), "1280");
  EXPECT_EQ(Control(&C::height)->Text(), "1024");
  auto* button = Control(&C::resolutionMenuButton);
  EXPECT_EQ(menu.left, Host::Form()->Left() + button->Left() + 12);
  EXPECT_EQ(menu.top, Host::Form()->Top() + button->Top() + 65);

  ChooseFromButtonMenu(&C::bppMenuButton, 1, 3);  // "24"
  EXPECT_EQ(Control(&C::bpp)->Text(), "24");
  EXPECT_NE(Line().find(" -width 1280 -height 1024 -bpp 24"), std::string::npos) << Line();

  // An entry writes its texts whether or not the fields are enabled.
  Host::Get(&C::resolutionOn)->SetChecked(false);
  ASSERT_FALSE(::IsWindowEnabled(Host::Handle(&C::width)));
  dynamic_cast<fw::TMenuItem*>(Host::Find("N400x3001"))->Click();
  EXPECT_EQ(Control(&C::width)->Text(), "400");
  EXPECT_EQ(Control(&C::height)->Text(), "300");
  Host::Get(&C::usingGLQuake)->SetChecked(false);
}

}  // namespace
}  // namespace gv::test
