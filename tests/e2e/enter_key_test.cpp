// Enter runs the game from anywhere in the main window, with the keyboard alone, exactly as the
// run button does; an open drop-down list and an open pop-up menu take their Enter themselves.
#include "tests/e2e/scenario.h"

namespace gv::e2e {
namespace {

using EnterKey = Scenario;

const std::string kDesignLine = "quake.exe +skill 1 +name \"\" +color 1 1 +deathmatch 1 -game gorvale +map ";

::testing::AssertionResult PressEnter() {
  test::PressKey(VK_RETURN);
  return ::testing::AssertionSuccess();
}

TEST_F(EnterKey, RunsFromAnEditWithWhatWasTypedThere) {
  WindowDriver& ui = Start();
  ASSERT_TRUE(ui.TypeInto("Edit1", "Ranger"));
  const std::string line = "quake.exe +skill 1 +name \"Ranger\" +color 1 1 +deathmatch 1 -game gorvale +map ";
  RunExpecting(PressEnter, line, line);
  KeptValues kept = DesignValues();
  kept.Text("Edit1", "Ranger");
  ExpectSettings(kept);
}

TEST_F(EnterKey, RunsFromACheckBox) {
  WindowDriver& ui = Start();
  ASSERT_TRUE(ui.TabTo("CheckBox8"));
  RunExpecting(PressEnter, kDesignLine, kDesignLine);
}

// The selector's open list closes on Enter, taking the highlighted page; an open pop-up menu
// picks its entry. Neither runs the game; Enter on the closed selector then does.
TEST_F(EnterKey, AnOpenListOrMenuTakesItsOwnEnterAndTheSelectorRuns) {
  WindowDriver& ui = Start();
  HWND selector = ui.Handle("ComboBox1");
  ASSERT_TRUE(ui.TabTo("ComboBox1"));
  test::PressKey(VK_F4);
  ASSERT_TRUE(test::Await([&] { return ::SendMessageA(selector, CB_GETDROPPEDSTATE, 0, 0) != 0; }, 3000))
      << "F4 dropped no list" << ui.InputState();
  for (int i = 0; i < 3; ++i) test::PressKey(VK_DOWN);
  test::PressKey(VK_RETURN);
  EXPECT_TRUE(test::Await([&] { return ::SendMessageA(selector, CB_GETDROPPEDSTATE, 0, 0) == 0; }, 3000))
      << "Enter left the list open" << ui.InputState();
  EXPECT_EQ(ui.VisiblePage(), "Network");

  ASSERT_TRUE(ui.OpenContextMenu());
  ASSERT_TRUE(ui.ChooseMenuByKeys(1));  // "&Multiplayer"
  EXPECT_TRUE(test::Await([&] { return ui.VisiblePage() == "Multiplayer"; }, 3000)) << ui.InputState();

  EXPECT_FALSE(Program().AwaitExit(1000)) << "Enter in the list or the menu ran the game";
  EXPECT_FALSE(Dir().HasBatchFile());
  ASSERT_TRUE(ui.TabTo("ComboBox1"));
  RunExpecting(PressEnter, kDesignLine, kDesignLine);
}

}  // namespace
}  // namespace gv::e2e
