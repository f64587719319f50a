// The order of the launch steps and where a failure stops it, with the shell call recorded;
// and the error box a failed launch ends in.
#include "app/launch.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <vector>

#include "app/batch_file.h"
#include "app/batch_line.h"
#include "framework/core/error.h"
#include "framework/win32/error_box.h"
#include "tests/support/file_bytes.h"
#include "tests/support/message_box.h"
#include "tests/support/scratch_dir.h"

namespace gv {
namespace {

using test::ReadFileBytes;
using test::ScratchDir;

struct ShellCall {
  HWND owner;
  std::string file, params, dir;
  int show;
};

// Records the steps as they happen; the save step also checks the batch file is complete.
class StepRecorder {
 public:
  LaunchSteps Steps(const std::string& dir) {
    LaunchSteps steps;
    steps.owner = reinterpret_cast<HWND>(0x1234);
    steps.save = [this, dir] {
      order_.push_back("save");
      batchAtSave_ = ReadFileBytes(dir + kBatchFileName);
      if (failSave_) throw fw::IoError("Disk full");
    };
    steps.close = [this] { order_.push_back("close"); };
    steps.shellOpen = [this](HWND owner, const std::string& file, const std::string& params,
                             const std::string& in, int show) {
      order_.push_back("shell");
      calls_.push_back({owner, file, params, in, show});
    };
    return steps;
  }

  std::vector<std::string> order_;
  std::vector<ShellCall> calls_;
  std::string batchAtSave_;
  bool failSave_ = false;
};

LaunchOptions SomeOptions() {
  LaunchOptions o;
  o.skill = "2";
  o.playerName = "a b";
  o.shirt = o.trousers = "3";
  o.map = "e1m1";
  return o;
}

TEST(Launch, WritesTheFileThenSavesThenOpensItThenCloses) {
  ScratchDir dir;
  const std::string bytes = BuildBatchLine(SomeOptions()) + "\r\n";
  StepRecorder recorder;
  LaunchIn(dir.Path(), SomeOptions(), recorder.Steps(dir.Path()));

  EXPECT_EQ(recorder.order_, (std::vector<std::string>{"save", "shell", "close"}));
  EXPECT_EQ(recorder.batchAtSave_, bytes);
  ASSERT_EQ(recorder.calls_.size(), 1u);
  const ShellCall& call = recorder.calls_[0];
  EXPECT_EQ(call.owner, reinterpret_cast<HWND>(0x1234));
  EXPECT_EQ(call.file, "Gorvale.bat");
  EXPECT_EQ(call.params, "");
  EXPECT_EQ(call.dir, dir.Path());
  EXPECT_EQ(call.show, SW_SHOW);
}

TEST(Launch, FailedWriteStopsBeforeSaveShellAndClose) {
  ScratchDir dir;
  const std::string obstacle = dir.Path() + kBatchFileName;
  ASSERT_TRUE(::CreateDirectoryA(obstacle.c_str(), nullptr));
  StepRecorder recorder;
  EXPECT_THROW(LaunchIn(dir.Path(), SomeOptions(), recorder.Steps(dir.Path())), fw::IoError);
  EXPECT_TRUE(recorder.order_.empty());

  // Once the obstacle is gone, the next press writes what the first one would have.
  ASSERT_TRUE(::RemoveDirectoryA(obstacle.c_str()));
  LaunchIn(dir.Path(), SomeOptions(), recorder.Steps(dir.Path()));
  EXPECT_EQ(ReadFileBytes(obstacle), BuildBatchLine(SomeOptions()) + "\r\n");
  EXPECT_EQ(recorder.order_, (std::vector<std::string>{"save", "shell", "close"}));
}

TEST(Launch, FailedSaveStopsBeforeTheShell) {
  ScratchDir dir;
  StepRecorder recorder;
  recorder.failSave_ = true;
  EXPECT_THROW(LaunchIn(dir.Path(), SomeOptions(), recorder.Steps(dir.Path())), fw::IoError);
  EXPECT_EQ(recorder.order_, std::vector<std::string>{"save"});
}

TEST(Launch, FailureIsReportedInTheErrorBox) {
  ScratchDir dir;
  ASSERT_TRUE(::CreateDirectoryA((dir.Path() + kBatchFileName).c_str(), nullptr));
  StepRecorder recorder;
  std::string text;
  try {
    LaunchIn(dir.Path(), SomeOptions(), recorder.Steps(dir.Path()));
  } catch (const std::exception& e) {
    text = e.what();
    test::BoxWatcher watcher;
    fw::ShowErrorBox(nullptr, "OEM Gorvale FE", e.what());
    const test::BoxSeen seen = watcher.Seen();
    ASSERT_NE(seen.box, nullptr);
    EXPECT_EQ(seen.title, "OEM Gorvale FE");
    EXPECT_EQ(seen.text, "File access denied.");
    EXPECT_TRUE(seen.hasIcon);
  }
  EXPECT_EQ(text, "File access denied");
}

}  // namespace
}  // namespace gv
