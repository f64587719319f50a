// End to end through the real shell and command interpreter: the launch writes Gorvale.bat
// beside a stand-in game program, the shell runs it, and the stand-in records its command line.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "app/batch_file.h"
#include "app/batch_line.h"
#include "app/launch.h"
#include "tests/support/design_options.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scratch_dir.h"

namespace gv {
namespace {

using test::AwaitFileBytes;
using test::DesignDefaults;
using test::ReadFileBytes;
using test::ScratchDir;

// What the stand-in received for `options`, launched from `dir` under its executable's name.
std::string LaunchAndRecord(const ScratchDir& dir, const LaunchOptions& options) {
  const std::string standIn = ProgramDirectory() + "quake.exe";
  const std::string exe = dir.Path() + ChooseExecutable(options);
  EXPECT_TRUE(::CopyFileA(standIn.c_str(), exe.c_str(), FALSE)) << exe;
  std::vector<std::string> order;
  LaunchSteps steps;
  steps.save = [&order] { order.push_back("save"); };
  steps.close = [&order] { order.push_back("close"); };
  LaunchIn(dir.Path(), options, steps);
  EXPECT_EQ(order, (std::vector<std::string>{"save", "close"}));
  const std::string record = AwaitFileBytes(dir.Path() + "command-line.txt", 30000);
  std::printf("[ record   ] %s\n", record.c_str());
  // Let the command interpreter finish before the folder goes.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  return record;
}

// The game receives the batch line itself: program name and arguments, byte for byte.
void ExpectReceivedAsWritten(const std::string& record, const LaunchOptions& options) {
  ASSERT_FALSE(record.empty()) << "the stand-in was not started";
  EXPECT_EQ(record, BuildBatchLine(options));
}

TEST(ShellLaunch, DesignDefaultsReachTheGame) {
  ScratchDir dir;
  const LaunchOptions options = DesignDefaults();
  ExpectReceivedAsWritten(LaunchAndRecord(dir, options), options);
}

TEST(ShellLaunch, QuotedNamesWithBlanksArriveUnchanged) {
  ScratchDir dir("Games And Stuff");
  LaunchOptions options = DesignDefaults();
  options.playerName = "a b";
  options.hostnameOn = true;
  options.hostname = "my server";
  options.map = "e1m1";
  const std::string record = LaunchAndRecord(dir, options);
  ExpectReceivedAsWritten(record, options);
  EXPECT_NE(record.find(" +name \"a b\" +color"), std::string::npos);
}

TEST(ShellLaunch, GlQuakeFromAProgramDirectoryLongerThan80) {
  ScratchDir dir("Quake Front End Folder\\with a second level of nesting\\and a third one here");
  ASSERT_GT(dir.Path().size(), 80u);
  LaunchOptions options = DesignDefaults();
  options.usingGlquake = options.resolutionOn = true;
  options.width = "640";
  options.height = "480";
  options.bpp = "16";
  options.extra = " -nomouse";
  ExpectReceivedAsWritten(LaunchAndRecord(dir, options), options);
}

TEST(ShellLaunch, ProgramDirectoryLongerThan200) {
  ScratchDir dir(std::string(60, 'a') + "\\" + std::string(60, 'b') + "\\" + std::string(60, 'c'));
  ASSERT_GT(dir.Path().size(), 200u);
  LaunchOptions options = DesignDefaults();
  options.playerName = "far away";
  options.map = "start";
  ExpectReceivedAsWritten(LaunchAndRecord(dir, options), options);
}

TEST(ShellLaunch, PercentInANameArrivesOnce) {
  ScratchDir dir;
  LaunchOptions options = DesignDefaults();
  options.playerName = "50% 100%";
  EXPECT_EQ(LaunchAndRecord(dir, options),
            "quake.exe +skill 1 +name \"50% 100%\" +color 1 1 +deathmatch 1 -game gorvale +map ");
}

// The product path: the program directory is the test's own, where the stand-in was built.
TEST(ShellLaunch, LaunchRunsTheGameBesideTheProgram) {
  const std::string dir = ProgramDirectory();
  ::DeleteFileA((dir + "command-line.txt").c_str());
  LaunchOptions options = DesignDefaults();
  options.map = "e1m2";
  Launch(options, LaunchSteps());
  const std::string record = AwaitFileBytes(dir + "command-line.txt", 30000);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  ::DeleteFileA((dir + "command-line.txt").c_str());
  ::DeleteFileA((dir + kBatchFileName).c_str());
  ExpectReceivedAsWritten(record, options);
}

}  // namespace
}  // namespace gv
