// The launcher left without a launch: the exit button, the pop-up menu's "E&xit", Alt+F4, the
// system menu's Close and the close box. Each leaves the settings file holding the values of the
// moment and writes no batch file.
#include "tests/e2e/scenario.h"

namespace gv::e2e {
namespace {

using ClosePath = Scenario;

// The middle of a window's close box on the screen, found by the window's own hit test along the
// caption; x is -1 when there is none.
POINT CloseBoxOf(HWND window) {
  RECT outer;
  ::GetWindowRect(window, &outer);
  POINT client{0, 0};
  ::ClientToScreen(window, &client);
  const int y = (outer.top + client.y) / 2;
  int right = -1, left = -1;
  for (int x = outer.right - 1; x > outer.left && (right < 0 || left < 0); --x) {
    const bool close = ::SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE;
    if (close && right < 0) right = x;
    if (!close && right >= 0) left = x + 1;
  }
  return POINT{right < 0 ? -1 : (left + right) / 2, y};
}

TEST_F(ClosePath, ExitButtonKeepsTheValuesAndTheyComeBack) {
  WindowDriver& ui = Start();
  // A name longer than a profile line's usual 255 characters.
  const std::string name = "Lone wolf " + std::string(290, 'w');
  ASSERT_TRUE(ui.TypeInto("Edit1", name));
  ASSERT_TRUE(ui.ClickTo("CheckBox7", true));
  ASSERT_TRUE(ui.ShowPageBySelectorKeys("Network"));
  ASSERT_TRUE(ui.ClickTo("CheckBox10", true));
  CloseByExitButton();
  ExpectClosedWithoutLaunch();
  KeptValues kept = DesignValues();
  kept.Text("Edit1", name).Check("CheckBox7").Check("CheckBox10");
  ExpectSettings(kept);
  RestartExpecting(kept);
  EXPECT_FALSE(Ui().Enabled("CheckBox14")) << "a restored No network support disables Port:";
  EXPECT_FALSE(Ui().Enabled("CheckBox15"));
  CloseByExitButton();
  ExpectSettings(kept);
}

TEST_F(ClosePath, PopupMenuExitKeepsTheValues) {
  WindowDriver& ui = Start();
  ASSERT_TRUE(ui.ShowPageByMenu("WinQuake"));
  ASSERT_TRUE(ui.ClickTo("CheckBox16", true));
  // The Down arrow walks the modes up to "Verysafe", and Space chooses it.
  ASSERT_TRUE(ui.TabTo("RadioButton8"));
  for (int i = 0; i < 5; ++i) ui.Press(VK_DOWN);
  ASSERT_TRUE(test::Await([&] { return ui.Focused() == "RadioButton13"; }, 3000));
  EXPECT_TRUE(ui.Checked("RadioButton8")) << "the focus chose a mode";
  ui.Press(VK_SPACE);
  ASSERT_TRUE(test::Await([&] { return ui.Checked("RadioButton13"); }, 3000));
  EXPECT_FALSE(ui.Checked("RadioButton8") || ui.Checked("RadioButton12"));
  ASSERT_TRUE(ui.OpenContextMenu());
  ASSERT_TRUE(ui.ChooseMenuLetter('X'));  // "E&xit"
  ExpectClosedWithoutLaunch();
  KeptValues kept = DesignValues();
  kept.Check("CheckBox16").Check("RadioButton13");
  ExpectSettings(kept);
  RestartExpecting(kept);
  EXPECT_FALSE(Ui().Checked("RadioButton8")) << "a kept mode other than Max comes back alone";
  CloseByExitButton();
  ExpectSettings(kept);
}

TEST_F(ClosePath, AltF4KeepsTheValues) {
  WindowDriver& ui = Start();
  ASSERT_TRUE(ui.TabTo("CheckBox9"));
  ui.Press(VK_SPACE);
  ASSERT_TRUE(test::Await([&] { return ui.Checked("CheckBox9"); }, 3000));
  // On the way, the About box from the pop-up menu opened by the menu key, and Enter for its OK.
  // ("A" is the access letter of "M&ap" as well, which comes first; End and Up reach "&About".)
  ui.Press(VK_APPS);
  ASSERT_TRUE(test::Await([] { return ::FindWindowA("#32768", nullptr) != nullptr; }, 3000))
      << "no pop-up menu";
  test::PressKey(VK_END);
  test::PressKey(VK_UP);
  test::PressKey(VK_RETURN);
  HWND about = nullptr;
  ASSERT_TRUE(test::Await(
      [&] { return (about = ::FindWindowA(nullptr, "About")) && ::IsWindowVisible(about); }, 3000));
  EXPECT_FALSE(::IsWindowEnabled(ui.Main())) << "the About box is modal";
  test::PressKey(VK_RETURN);
  ASSERT_TRUE(
      test::Await([&] { return !::IsWindowVisible(about) && ::GetForegroundWindow() == ui.Main(); }, 3000));
  test::PressChord(VK_MENU, VK_F4);
  ExpectClosedWithoutLaunch();
  KeptValues kept = DesignValues();
  kept.Check("CheckBox9");
  ExpectSettings(kept);
}

TEST_F(ClosePath, SystemMenuCloseKeepsTheValues) {
  WindowDriver& ui = Start();
  // GLQuake on and off again: "Heapsize:" is then unchecked and disabled, "Winmem:" enabled.
  ASSERT_TRUE(ui.ShowPageByMenu("GLQuake"));
  ASSERT_TRUE(ui.ClickTo("CheckBox21", true));
  ASSERT_TRUE(ui.ShowPageByMenu("Memory"));
  ASSERT_TRUE(ui.ClickTo("CheckBox23", true));
  ASSERT_TRUE(ui.ShowPageByMenu("GLQuake"));
  ASSERT_TRUE(ui.ClickTo("CheckBox21", false));
  EXPECT_FALSE(ui.Checked("CheckBox23") || ui.Enabled("CheckBox23"));
  EXPECT_TRUE(ui.Enabled("CheckBox17"));
  ASSERT_TRUE(ui.ShowPageByMenu("Extra"));
  ASSERT_TRUE(ui.TypeInto("editExtra", " +exec ctf.cfg"));
  // Alt+Space opens the window's system menu; "C" is its Close entry.
  test::PressChord(VK_MENU, VK_SPACE);
  ASSERT_TRUE(test::Await([] { return ::FindWindowA("#32768", nullptr) != nullptr; }, 3000))
      << "no system menu";
  test::PressKey('C');
  ExpectClosedWithoutLaunch();
  KeptValues kept = DesignValues();
  kept.Text("editExtra", " +exec ctf.cfg");
  ExpectSettings(kept);
  // With both engine boxes kept unchecked, both memory boxes come up enabled.
  RestartExpecting(kept);
  EXPECT_TRUE(Ui().Enabled("CheckBox17"));
  EXPECT_TRUE(Ui().Enabled("CheckBox23"));
  // A click on the close box, which Wine's desktop draws as Windows does. (Alt+F4 would not do
  // here: the page selector has the focus, and Wine's combo box keeps every Alt key to itself.)
  const POINT closeBox = CloseBoxOf(Ui().Main());
  ASSERT_GE(closeBox.x, 0) << "no close box on the caption";
  test::ClickAt(closeBox);
  ExpectClosedWithoutLaunch();
  ExpectSettings(kept);
}

}  // namespace
}  // namespace gv::e2e
