#include "app/batch_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "framework/core/error.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scratch_dir.h"

namespace gv {
namespace {

using test::FileExists;
using test::ReadFileBytes;
using test::ScratchDir;

constexpr char kLine[] = "quake.exe +skill 1 +name \"\" +color 1 1 +deathmatch 1 -game gorvale +map ";

TEST(WriteBatchFile, HoldsExactlyTheLineAndCrLf) {
  ScratchDir dir;
  const std::string path = dir.Path() + kBatchFileName;
  WriteBatchFile(path, kLine);
  EXPECT_EQ(ReadFileBytes(path), std::string(kLine) + "\r\n");
}

TEST(WriteBatchFile, WritesAnsiBytesUnconverted) {
  ScratchDir dir;
  const std::string path = dir.Path() + kBatchFileName;
  const std::string line = "quake.exe +name \"\xE9\xFC\x80\x7F\" -game gorvale +map ";
  WriteBatchFile(path, line);
  EXPECT_EQ(ReadFileBytes(path), line + "\r\n");
}

TEST(WriteBatchFile, ReplacesALongerFileWhole) {
  ScratchDir dir;
  const std::string path = dir.Path() + kBatchFileName;
  test::WriteFileBytes(path, std::string(5000, 'x') + "\r\nsecond line\r\n");
  WriteBatchFile(path, "wq.bat max");
  EXPECT_EQ(ReadFileBytes(path), "wq.bat max\r\n");
}

TEST(WriteBatchFile, ObstacleGivesAccessDeniedAndASecondAttemptWritesTheSameBytes) {
  ScratchDir dir;
  const std::string path = dir.Path() + kBatchFileName;
  ASSERT_TRUE(::CreateDirectoryA(path.c_str(), nullptr));
  try {
    WriteBatchFile(path, kLine);
    FAIL() << "no error";
  } catch (const fw::IoError& e) {
    EXPECT_STREQ(e.what(), "File access denied");
  }
  ASSERT_TRUE(::RemoveDirectoryA(path.c_str()));
  WriteBatchFile(path, kLine);
  EXPECT_EQ(ReadFileBytes(path), std::string(kLine) + "\r\n");
}

TEST(WriteBatchFile, FileHeldOpenByAnotherGivesAccessDenied) {
  ScratchDir dir;
  const std::string path = dir.Path() + kBatchFileName;
  test::WriteFileBytes(path, "held\r\n");
  HANDLE holder = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_THROW(
      {
        try {
          WriteBatchFile(path, kLine);
        } catch (const fw::IoError& e) {
          EXPECT_STREQ(e.what(), "File access denied");
          throw;
        }
      },
      fw::IoError);
  ::CloseHandle(holder);
  EXPECT_EQ(ReadFileBytes(path), "held\r\n");
}

TEST(WriteBatchFile, MissingDirectoryGivesPathNotFound) {
  ScratchDir dir;
  try {
    WriteBatchFile(dir.Path() + "missing\\" + kBatchFileName, kLine);
    FAIL() << "no error";
  } catch (const fw::IoError& e) {
    EXPECT_STREQ(e.what(), "Path not found");
  }
}

TEST(IoErrorMessage, UsesTheRuntimeWording) {
  EXPECT_EQ(IoErrorMessage(ERROR_SHARING_VIOLATION), "File access denied");
  EXPECT_EQ(IoErrorMessage(ERROR_LOCK_VIOLATION), "File access denied");
  EXPECT_EQ(IoErrorMessage(ERROR_HANDLE_DISK_FULL), "Disk full");
  EXPECT_EQ(IoErrorMessage(ERROR_DISK_FULL), "Disk full");
  EXPECT_EQ(IoErrorMessage(ERROR_FILE_NOT_FOUND), "File not found");
  EXPECT_EQ(IoErrorMessage(ERROR_INVALID_NAME), "I/O error 123");
}

TEST(RemoveFileIfPresent, DeletesFilesAndLeavesDirectoriesAndAbsenceAlone) {
  ScratchDir dir;
  const std::string file = dir.Path() + "a.bat";
  test::WriteFileBytes(file, "x");
  RemoveFileIfPresent(file);
  EXPECT_FALSE(FileExists(file));
  RemoveFileIfPresent(file);  // absent: nothing happens, nothing thrown

  const std::string folder = dir.Path() + kBatchFileName;
  ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr));
  RemoveFileIfPresent(folder);
  EXPECT_NE(::GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(ProgramDirectory, IsTheRunningProgramsFolderWithItsBackslash) {
  const std::string dir = ProgramDirectory();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), '\\');
  char module[4096];
  const DWORD length = ::GetModuleFileNameA(nullptr, module, sizeof module);
  const std::string path(module, length);
  EXPECT_EQ(path.compare(0, dir.size(), dir), 0);
  EXPECT_EQ(path.find_first_of("\\:", dir.size()), std::string::npos);
}

}  // namespace
}  // namespace gv
