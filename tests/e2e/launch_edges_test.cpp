// The run button where the Quake directory is unusual: a long folder path with blanks, and a
// batch file that cannot be written; a settings file that cannot be written.
#include "tests/e2e/scenario.h"
#include "tests/support/message_box.h"

namespace gv::e2e {
namespace {

using LaunchEdge = Scenario;

TEST_F(LaunchEdge, LongFolderPathWithBlanks) {
  // Deeper than the 80 characters a fixed path buffer would hold.
  UseQuakeDir("Program Files\\Id Software Games\\Quake One With Mission Packs\\Gorvale FE launcher");
  ASSERT_GT(Dir().Path().size(), 80u);
  WindowDriver& ui = Start();
  ASSERT_TRUE(ui.TypeInto("Edit1", "far away"));
  const std::string line =
      "quake.exe +skill 1 +name \"far away\" +color 1 1 +deathmatch 1 -game gorvale +map ";
  RunExpecting(line, line);
  ExpectSettings(DesignValues().Text("Edit1", "far away"));
}

TEST_F(LaunchEdge, BatchFileThatCannotBeWrittenIsReportedAndTheWindowStays) {
  // A folder where the batch file belongs: it can be neither deleted nor created.
  const std::string batch = Dir().Path() + "Gorvale.bat";
  ASSERT_TRUE(::CreateDirectoryA(batch.c_str(), nullptr));
  WindowDriver& ui = Start();
  ASSERT_TRUE(ui.ClickTo("CheckBox8", true));
  ASSERT_TRUE(ui.Click("Win95SpeedButton3"));
  const std::string message = AwaitErrorBox();
  EXPECT_EQ(message, "File access denied.") << "the error box titled with the application title";
  test::PressKey(VK_RETURN);  // the box's OK
  ASSERT_TRUE(test::Await([] { return ::FindWindowA("#32770", "OEM Gorvale FE") == nullptr; }, 3000));
  EXPECT_TRUE(Program().Running()) << "the window stays open";
  EXPECT_EQ(test::SettingsFileBytes(), "") << "that press saved nothing";
  EXPECT_FALSE(Dir().HasGameRecord());

  // Once the folder is gone, the next press writes what the first one would have written.
  ASSERT_TRUE(::RemoveDirectoryA(batch.c_str()));
  const std::string line =
      "quake.exe +skill 1 +name \"\" +color 1 1 -nosound +deathmatch 1 -game gorvale +map ";
  RunExpecting(line, line);
  ExpectSettings(DesignValues().Check("CheckBox8"));
}

TEST_F(LaunchEdge, EightBitNameKeepsItsBytes) {
  // Texts are 8-bit ANSI: the batch file and the settings file hold the bytes as typed, and the
  // name comes back after a restart. (The command interpreter reads the batch file in the OEM
  // code page, so what the game receives of these bytes is its business, not checked here.)
  const std::string name = "Zo\xeb \xc6ther";
  WindowDriver& ui = Start();
  ASSERT_TRUE(ui.TypeInto("Edit1", name));
  CloseByExitButton();
  KeptValues kept = DesignValues();
  kept.Text("Edit1", name);
  ExpectSettings(kept);
  RestartExpecting(kept);
  ASSERT_TRUE(Ui().Click("Win95SpeedButton3"));
  ASSERT_TRUE(Program().AwaitExit(10000));
  EXPECT_EQ(Dir().BatchFile(),
            "quake.exe +skill 1 +name \"" + name + "\" +color 1 1 +deathmatch 1 -game gorvale +map \r\n");
  EXPECT_FALSE(Dir().AwaitGameRecord(15000).empty()) << "the game was started";
  EXPECT_TRUE(Program().AwaitItsProcesses(15000));
}

// A settings file that cannot be written (a folder in its place, as for a user who may not write
// to the Windows directory): the run button reports it and stops before the shell; a close
// reports each of its saves, but the window closes and the program ends.
// The settings file becomes unwritable while the launcher runs (a directory takes its place).
// The run's save fails once, reported in one box; the close reports its failed save in one box,
// not one per save on the way out, and the window closes all the same.
TEST_F(LaunchEdge, UnwritableSettingsFileIsReportedOnceAndTheWindowStillCloses) {
  char windows[MAX_PATH] = "";
  ::GetWindowsDirectoryA(windows, sizeof windows);
  const std::string ini = std::string(windows) + "\\Zelt.ini";
  struct Unblock {
    std::string path;
    ~Unblock() { ::RemoveDirectoryA(path.c_str()); }
  } unblock{ini};
  auto dismiss = [this](const char* what) {
    EXPECT_EQ(AwaitErrorBox(), "Unable to write to Zelt.ini.") << what;
    test::PressKey(VK_RETURN);
    test::Await([] { return ::FindWindowA("#32770", "OEM Gorvale FE") == nullptr; }, 3000);
  };

  WindowDriver& ui = Start();
  ASSERT_TRUE(::CreateDirectoryA(ini.c_str(), nullptr));
  ASSERT_TRUE(ui.Click("Win95SpeedButton3"));
  dismiss("the run button's save");
  EXPECT_TRUE(Program().Running());
  EXPECT_TRUE(Dir().HasBatchFile()) << "the batch file comes before the save";
  EXPECT_FALSE(Dir().HasGameRecord()) << "the shell is not asked after a failed save";

  ASSERT_TRUE(ui.OpenContextMenu());
  ASSERT_TRUE(ui.ChooseMenuLetter('X'));
  dismiss("the close");
  EXPECT_FALSE(test::Await(
      [&] { return test::FindBoxOfProcess(Program().ProcessId(), "OEM Gorvale FE") != nullptr; }, 2000))
      << "a second box for the same close";
  DWORD code = 1;
  EXPECT_TRUE(Program().AwaitExit(5000, &code)) << "the window must close all the same";
  EXPECT_EQ(code, 0u);
}

}  // namespace
}  // namespace gv::e2e
