// A save ended by force at any instant: the saving program is started over and over and ended
// with TerminateProcess at random instants while it saves two states in turn through the real
// store and files. Each time, the settings file and the binary-data file each hold one state's
// bytes, whole.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <random>
#include <string>

#include "tests/support/file_bytes.h"
#include "tests/support/scratch_dir.h"

namespace gv::store_test {
namespace {

// Starts the saving program with its arguments; the process handle, or null.
HANDLE StartSaver(const std::string& args) {
  std::string command = "\"" + test::WindowsPath(SAVING_PROGRAM) + "\" " + args;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return nullptr;
  CloseHandle(info.hThread);
  return info.hProcess;
}

bool RunToEnd(const std::string& args) {
  HANDLE process = StartSaver(args);
  if (!process) return false;
  const bool ended = WaitForSingleObject(process, 30000) == WAIT_OBJECT_0;
  DWORD code = 1;
  GetExitCodeProcess(process, &code);
  CloseHandle(process);
  return ended && code == 0;
}

// Spins for a number of microseconds: finer than Sleep, so that the instants spread over a save.
void SpinMicroseconds(int us) {
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  do QueryPerformanceCounter(&now);
  while ((now.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart < us);
}

TEST(SaveUnderKillTest, EachFileHoldsTheOldOrTheNewStateWholeWheneverTheSaveIsEnded) {
  test::ScratchDir scratch;
  const std::string dir = scratch.Path().substr(0, scratch.Path().size() - 1);
  const std::string ini = dir + "\\Zelt.ini", bin = dir + "\\Zelt.bin";
  ASSERT_TRUE(RunToEnd("\"" + dir + "\" A"));
  const std::string iniA = test::ReadFileBytes(ini), binA = test::ReadFileBytes(bin);
  ASSERT_TRUE(RunToEnd("\"" + dir + "\" B"));
  const std::string iniB = test::ReadFileBytes(ini), binB = test::ReadFileBytes(bin);
  ASSERT_NE(iniA, iniB);
  ASSERT_NE(binA, binB);
  ASSERT_NE(iniA.find("[settings]\r\nEdit1.Text=''aaa"), std::string::npos);

  const unsigned seed = std::random_device{}();
  std::printf("[ info     ] seed %u\n", seed);
  std::mt19937 random(seed);
  // Up to 30 ms after the first save: a save here takes a few milliseconds (most of it the flush),
  // so the instants fall all over the several saves that follow.
  std::uniform_int_distribution<int> instant(0, 30000);
  const std::string eventName = "gorvale_saver_" + std::to_string(GetCurrentProcessId());
  HANDLE started = CreateEventA(nullptr, TRUE, FALSE, eventName.c_str());
  int seenA = 0, seenB = 0;
  constexpr int kInstants = 200;
  for (int i = 0; i < kInstants; ++i) {
    ResetEvent(started);
    HANDLE saver = StartSaver("\"" + dir + "\" loop " + eventName);
    ASSERT_NE(saver, nullptr);
    HANDLE both[] = {started, saver};
    ASSERT_EQ(WaitForMultipleObjects(2, both, FALSE, 30000), WAIT_OBJECT_0)
        << "the saver did not start saving";
    const int us = instant(random);
    SpinMicroseconds(us);
    TerminateProcess(saver, 9);
    WaitForSingleObject(saver, 30000);
    CloseHandle(saver);
    const std::string iniNow = test::ReadFileBytes(ini), binNow = test::ReadFileBytes(bin);
    EXPECT_TRUE(iniNow == iniA || iniNow == iniB)
        << "Zelt.ini ended " << us << " us after the first save holds " << iniNow.size() << " bytes";
    EXPECT_TRUE(binNow == binA || binNow == binB)
        << "Zelt.bin ended " << us << " us after the first save holds " << binNow.size() << " bytes";
    if (HasFailure()) break;
    (iniNow == iniA ? seenA : seenB) += 1;
  }
  CloseHandle(started);
  std::printf("[ info     ] %d instants: settings file in state A %d times, in state B %d times\n", kInstants,
              seenA, seenB);
  EXPECT_GT(seenA, 0);
  EXPECT_GT(seenB, 0);
}

}  // namespace
}  // namespace gv::store_test
