// The launcher used and left by its run button: each scenario sets options on its pages with
// the mouse and the keyboard, runs, and finds the batch file, the game's command line and the
// settings file as they should be; a second start brings every kept value back.
#include "tests/e2e/scenario.h"

namespace gv::e2e {
namespace {

using LaunchScenario = Scenario;

// The part of every line that the first page and the game mode give at their design values.
const std::string kDefaults = " +skill 1 +name \"\" +color 1 1 +deathmatch 1";

TEST_F(LaunchScenario, WinQuakeRunsThroughWqBatWithItsModeWordAndFastComesBackAsMax) {
  WindowDriver& ui = Start();
  ASSERT_TRUE(ui.ShowPageByMenu("WinQuake"));
  EXPECT_FALSE(ui.Enabled("RadioButton9")) << "the modes wait for Using WinQuake";
  ASSERT_TRUE(ui.ClickTo("CheckBox16", true));
  ASSERT_TRUE(ui.ClickTo("RadioButton9", true));  // "Fast"
  EXPECT_FALSE(ui.Checked("RadioButton8"));
  const std::string line = "wq.bat fast" + kDefaults + " -game gorvale +map ";
  RunExpecting(line, ThroughWqBat(line));
  KeptValues kept = DesignValues();
  kept.Check("CheckBox16");
  ExpectSettings(kept);

  // "Max" and "Fast" are not kept, the other four modes are kept unchecked: "Max" comes back.
  RestartExpecting(kept);
  EXPECT_TRUE(Ui().Checked("RadioButton8"));
  EXPECT_FALSE(Ui().Checked("RadioButton9"));
  EXPECT_TRUE(Ui().Enabled("CheckBox17")) << "Winmem: goes with WinQuake";
  EXPECT_FALSE(Ui().Enabled("CheckBox23")) << "Heapsize: does not";
  const std::string again = "wq.bat max" + kDefaults + " -game gorvale +map ";
  RunExpecting(again, ThroughWqBat(again));
}

TEST_F(LaunchScenario, GLQuakeTakesOverFromWinQuakeWithResolutionAndDepthFromTheMenus) {
  WindowDriver& ui = Start();
  ASSERT_TRUE(ui.ShowPageBySelectorMouse("WinQuake"));
  ASSERT_TRUE(ui.ClickTo("CheckBox16", true));
  ASSERT_TRUE(ui.ShowPageBySelectorMouse("GLQuake"));
  ASSERT_TRUE(ui.ClickTo("CheckBox21", true));
  EXPECT_FALSE(ui.Checked("CheckBox16")) << "GLQuake unchecks WinQuake";
  EXPECT_FALSE(ui.Enabled("RadioButton8"));
  ASSERT_TRUE(ui.ShowPageBySelectorKeys("Memory"));
  EXPECT_FALSE(ui.Enabled("CheckBox17"));
  EXPECT_TRUE(ui.Enabled("CheckBox23"));
  ASSERT_TRUE(ui.ShowPageBySelectorKeys("GLQuake"));
  EXPECT_TRUE(ui.Enabled("CheckBox18"));
  EXPECT_FALSE(ui.Enabled("IntEdit11")) << "the resolution waits for its own box";
  ASSERT_TRUE(ui.ClickTo("CheckBox18", true));
  EXPECT_TRUE(ui.Enabled("IntEdit11") && ui.Enabled("IntEdit12") && ui.Enabled("IntEdit13"));

  // The resolution menu opens beside its button: window corner + button corner + (12, 65).
  ASSERT_TRUE(ui.OpenMenuOf("Win95SpeedButton5"));
  RECT window, menu;
  ::GetWindowRect(ui.Main(), &window);
  ::GetWindowRect(::FindWindowA("#32768", nullptr), &menu);
  EXPECT_EQ(menu.left, window.left + 240 + 12);
  EXPECT_EQ(menu.top, window.top + 6 + 65);
  ASSERT_TRUE(ui.ChooseMenuByKeys(4));  // "1024x768"
  EXPECT_EQ(ui.Text("IntEdit11"), "1024");
  EXPECT_EQ(ui.Text("IntEdit12"), "768");
  ASSERT_TRUE(ui.OpenMenuOf("Win95SpeedButton6"));
  ASSERT_TRUE(ui.ChooseMenuByMouse(1, 3));  // "24"
  EXPECT_EQ(ui.Text("IntEdit13"), "24");
  ASSERT_TRUE(ui.ClickTo("CheckBox19", true));
  ASSERT_TRUE(ui.ClickTo("CheckBox22", true));

  const std::string line = "glquake.exe" + kDefaults +
                           " -width 1024 -height 768 -bpp 24 -gl_polybend 0 -r_shadows 1 -game gorvale +map ";
  RunExpecting(line, line);
  KeptValues kept = DesignValues();
  kept.Check("CheckBox21").Check("CheckBox18").Check("CheckBox19").Check("CheckBox22");
  kept.Text("IntEdit11", "1024").Text("IntEdit12", "768").Text("IntEdit13", "24");
  ExpectSettings(kept);
  RestartExpecting(kept);
  EXPECT_FALSE(Ui().Enabled("CheckBox17"));
  EXPECT_TRUE(Ui().Enabled("CheckBox23"));
  CloseByExitButton();
  ExpectSettings(kept);
}

TEST_F(LaunchScenario, GeneralPageTypedAndTickedWithABaseGameMap) {
  WindowDriver& ui = Start();
  ASSERT_TRUE(ui.TypeInto("IntEdit1", "3"));
  ASSERT_TRUE(ui.TypeInto("Edit1", "Ra'ven x"));
  ASSERT_TRUE(ui.TypeInto("IntEdit2", "1a2", "12")) << "an integer edit takes digits only";
  ASSERT_TRUE(ui.TypeInto("IntEdit3", "4"));
  ASSERT_TRUE(ui.TabTo("CheckBox6"));
  ui.Press(VK_SPACE);
  ASSERT_TRUE(test::Await([&] { return ui.Checked("CheckBox6"); }, 3000));
  ASSERT_TRUE(ui.TabTo("CheckBox8"));
  ui.Press(VK_SPACE);
  ASSERT_TRUE(test::Await([&] { return ui.Checked("CheckBox8"); }, 3000));

  ASSERT_TRUE(ui.ShowPageByMenu("Map"));
  EXPECT_EQ(ui.Text("ComboBox1"), "Map") << "the selector follows the menu";
  EXPECT_FALSE(ui.Enabled("ComboBox2"));
  ASSERT_TRUE(ui.ClickTo("RadioButton14", true));
  EXPECT_TRUE(ui.Enabled("ComboBox2"));
  EXPECT_FALSE(ui.Enabled("ComboBox3"));
  ASSERT_TRUE(ui.PickByKeys("ComboBox2", 22));  // "E2M7"
  EXPECT_EQ(ui.Text("editChosenMap"), "e2m7");

  const std::string line =
      "quake.exe +skill 3 +name \"Ra'ven x\" +color 12 4 -nocdaudio -nosound +deathmatch 1 -game gorvale "
      "+map e2m7";
  RunExpecting(line, line);
  KeptValues kept = DesignValues();
  kept.Text("IntEdit1", "3").Text("Edit1", "Ra'ven x").Text("IntEdit2", "12").Text("IntEdit3", "4");
  kept.Check("CheckBox6").Check("CheckBox8").Check("RadioButton14").Check("RadioButton15", false);
  kept.Text("editChosenMap", "e2m7").Text("lblMapName", "e2m7");
  ExpectSettings(kept);
  EXPECT_NE(test::SettingsFileBytes().find("\r\nEdit1.Text=''Ra'#39'ven x''\r\n"), std::string::npos)
      << "the quote as its code between quoted runs, one more pair of quotes around";
  RestartExpecting(kept);
  EXPECT_EQ(Ui().Text("ComboBox2"), "DM1") << "the list shows its first item, the holders the choice";
  CloseByExitButton();
  ExpectSettings(kept);
}

TEST_F(LaunchScenario, AddOnMapAndExtraParametersStayChosenAcrossARestart) {
  WindowDriver& ui = Start();
  ASSERT_TRUE(ui.ShowPageBySelectorKeys("Map"));
  ASSERT_TRUE(ui.PickByMouse("ComboBox3", 4));  // "Shatter the Step"
  EXPECT_EQ(ui.Text("editChosenMap"), "Shatter The Step");
  // Switching to the other list without a pick there keeps the add-on map.
  ASSERT_TRUE(ui.ClickTo("RadioButton14", true));
  EXPECT_EQ(ui.Text("editChosenMap"), "Shatter The Step");
  ASSERT_TRUE(ui.ShowPageByMenu("Extra"));
  ASSERT_TRUE(ui.TypeInto("editExtra", " -condebug +developer 1"));

  const std::string line = "quake.exe" + kDefaults + " -condebug +developer 1 -game gorvale +map gdm17";
  RunExpecting(line, line);
  KeptValues kept = DesignValues();
  kept.Check("RadioButton14").Check("RadioButton15", false).Text("editExtra", " -condebug +developer 1");
  kept.Text("editChosenMap", "Shatter The Step").Text("lblMapName", "gdm17");
  ExpectSettings(kept);
  RestartExpecting(kept);
  EXPECT_EQ(Ui().Text("ComboBox3"), "Ashen Vault");
  // Run again untouched: the stored choice goes to the game.
  RunExpecting(line, line);
  ExpectSettings(kept);
}

TEST_F(LaunchScenario, NetworkProtocolsPortAndHostname) {
  WindowDriver& ui = Start();
  ASSERT_TRUE(ui.ShowPageBySelectorKeys("Network"));
  // By the keyboard: "No network support" checked with Space, then Tab into "No TCP/IP
  // support" unchecks it again.
  ASSERT_TRUE(ui.TabTo("CheckBox10"));
  ui.Press(VK_SPACE);
  ASSERT_TRUE(test::Await([&] { return ui.Checked("CheckBox10"); }, 3000));
  EXPECT_FALSE(ui.Enabled("CheckBox14"));
  EXPECT_FALSE(ui.Enabled("CheckBox15"));
  ui.Press(VK_TAB);
  ASSERT_TRUE(test::Await([&] { return ui.Focused() == "CheckBox11"; }, 3000));
  EXPECT_FALSE(ui.Checked("CheckBox10"));
  EXPECT_TRUE(ui.Enabled("CheckBox14"));
  // By the mouse: a click on "No IPX support" does the same and checks it.
  ASSERT_TRUE(ui.ClickTo("CheckBox10", true));
  ASSERT_TRUE(ui.ClickTo("CheckBox12", true));
  EXPECT_FALSE(ui.Checked("CheckBox10"));
  EXPECT_TRUE(ui.Enabled("CheckBox15"));
  ASSERT_TRUE(ui.ClickTo("CheckBox13", true));
  ASSERT_TRUE(ui.ClickTo("CheckBox14", true));
  ASSERT_TRUE(ui.TypeInto("IntEdit9", "26001"));
  ASSERT_TRUE(ui.ClickTo("CheckBox15", true));
  ASSERT_TRUE(ui.TypeInto("Edit2", "Gorvale arena"));

  const std::string line = "quake.exe" + kDefaults +
                           " -noipx -noserial -udpport 26001 +hostname \"Gorvale arena\" -game gorvale +map ";
  RunExpecting(line, line);
  KeptValues kept = DesignValues();
  kept.Check("CheckBox12").Check("CheckBox13").Check("CheckBox14").Check("CheckBox15");
  kept.Text("IntEdit9", "26001").Text("Edit2", "Gorvale arena");
  ExpectSettings(kept);
  RestartExpecting(kept);
  EXPECT_TRUE(Ui().Enabled("CheckBox14") && Ui().Enabled("CheckBox15"));
  CloseByExitButton();
  ExpectSettings(kept);
}

TEST_F(LaunchScenario, MemoryLockAndUnlockComesBackWithNoLockingChosen) {
  WindowDriver& ui = Start();
  ASSERT_TRUE(ui.ShowPageByMenu("Memory"));
  EXPECT_TRUE(ui.Enabled("CheckBox17") && ui.Enabled("CheckBox23")) << "both at a first start";
  EXPECT_FALSE(ui.Enabled("RadioButton7"));
  ASSERT_TRUE(ui.ClickTo("CheckBox17", true));
  ASSERT_TRUE(ui.TypeInto("IntEdit10", "32"));
  ASSERT_TRUE(ui.ClickTo("RadioButton7", true));  // "Lock and unlock memory"
  ASSERT_TRUE(ui.ClickTo("CheckBox23", true));
  ASSERT_TRUE(ui.TypeInto("IntEdit14", "24"));

  const std::string line = "quake.exe" + kDefaults + " -winmem 32 -winlockunlock -game gorvale +map ";
  RunExpecting(line, line);
  KeptValues kept = DesignValues();
  kept.Check("CheckBox17").Text("IntEdit10", "32").Check("RadioButton5", false).Check("RadioButton6", false);
  kept.Check("CheckBox23").Text("IntEdit14", "24");
  ExpectSettings(kept);

  // "Lock and unlock memory" is not kept; the other two are kept unchecked.
  RestartExpecting(kept);
  EXPECT_FALSE(Ui().Checked("RadioButton7"));
  EXPECT_TRUE(Ui().Enabled("IntEdit14")) << "a restored Heapsize: has its field enabled";
  const std::string again = "quake.exe" + kDefaults + " -winmem 32 -game gorvale +map ";
  RunExpecting(again, again);
}

TEST_F(LaunchScenario, MultiplayerDedicatedServerWithMaxPlayersAndLimits) {
  WindowDriver& ui = Start();
  ASSERT_TRUE(ui.ShowPageByMenu("Multiplayer"));
  ASSERT_TRUE(ui.TypeInto("IntEdit4", "3"));
  ASSERT_TRUE(ui.ClickTo("RadioButton4", true));  // "Dedicated server"
  for (const char* box : {"CheckBox4", "CheckBox1", "CheckBox2", "CheckBox3", "CheckBox5"})
    ASSERT_TRUE(ui.ClickTo(box, true));
  ASSERT_TRUE(ui.TypeInto("IntEdit8", "16"));
  ASSERT_TRUE(ui.TypeInto("IntEdit5", "2"));
  ASSERT_TRUE(ui.TypeInto("IntEdit6", "20"));
  ASSERT_TRUE(ui.TypeInto("IntEdit7", "50"));

  const std::string line =
      "quake.exe +skill 1 +name \"\" +color 1 1 +deathmatch 3 -dedicated 16 +teamplay 2 +timelimit 20"
      " +fraglimit 50 +noexit 1 -game gorvale +map ";
  RunExpecting(line, line);
  KeptValues kept = DesignValues();
  kept.Text("IntEdit4", "3").Check("RadioButton4");
  kept.Check("CheckBox4").Check("CheckBox1").Check("CheckBox2").Check("CheckBox3").Check("CheckBox5");
  kept.Text("IntEdit8", "16").Text("IntEdit5", "2").Text("IntEdit6", "20").Text("IntEdit7", "50");
  ExpectSettings(kept);
  RestartExpecting(kept);
  CloseByExitButton();
  ExpectSettings(kept);
}

TEST_F(LaunchScenario, CooperativeListenServerWithAnUncheckedLimitKeepingItsNumber) {
  WindowDriver& ui = Start();
  ASSERT_TRUE(ui.ShowPageBySelectorMouse("Multiplayer"));
  ASSERT_TRUE(ui.ClickTo("RadioButton2", true));  // "Cooperative:"
  EXPECT_FALSE(ui.Checked("RadioButton1"));
  ASSERT_TRUE(ui.TypeInto("IntEdit4", "2"));
  ASSERT_TRUE(ui.ClickTo("RadioButton3", true));  // "Listen server", no max players
  ASSERT_TRUE(ui.ClickTo("CheckBox2", true));
  ASSERT_TRUE(ui.TypeInto("IntEdit6", "15"));
  ASSERT_TRUE(ui.ClickTo("CheckBox2", false));
  EXPECT_FALSE(ui.Enabled("IntEdit6"));
  EXPECT_EQ(ui.Text("IntEdit6"), "15");
  ASSERT_TRUE(ui.ShowPageBySelectorMouse("Extra"));
  ASSERT_TRUE(ui.TypeInto("editExtra", "-zone 2048"));  // no leading blank: runs on

  const std::string line =
      "quake.exe +skill 1 +name \"\" +color 1 1 +coop 2 -listen-zone 2048 -game gorvale +map ";
  RunExpecting(line, line);
  KeptValues kept = DesignValues();
  kept.Check("RadioButton1", false).Check("RadioButton2").Check("RadioButton3").Text("IntEdit4", "2");
  kept.Text("IntEdit6", "15").Text("editExtra", "-zone 2048");
  ExpectSettings(kept);
  RestartExpecting(kept);
  CloseByExitButton();
  ExpectSettings(kept);
}

}  // namespace
}  // namespace gv::e2e
