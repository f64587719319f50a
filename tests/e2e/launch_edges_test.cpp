// The run button where the Quake directory is unusual: a long folder path with blanks, and a
// batch file that cannot be written.
#include "tests/app/ui_input.h"
#include "tests/e2e/scenario.h"

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
  ASSERT_TRUE(Await([] { return ::FindWindowA("#32770", "OEM Gorvale FE") == nullptr; }, 3000));
  EXPECT_TRUE(Program().Running()) << "the window stays open";
  EXPECT_EQ(SettingsFileBytes(), "") << "that press saved nothing";
  EXPECT_FALSE(Dir().HasGameRecord());

  // Once the folder is gone, the next press writes what the first one would have written.
  ASSERT_TRUE(::RemoveDirectoryA(batch.c_str()));
  const std::string line =
      "quake.exe +skill 1 +name \"\" +color 1 1 -nosound +deathmatch 1 -game gorvale +map ";
  RunExpecting(line, line);
  ExpectSettings(DesignValues().Check("CheckBox8"));
}

}  // namespace
}  // namespace gv::e2e
