// The profile-file back-end against the real profile functions, in a file of the temp directory.
#include "store/backends/ini_section.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>

#include "framework/core/error.h"
#include "store/entries/section_binary_rows.h"
#include "tests/support/file_bytes.h"

namespace gv::store {
namespace {

using Lines = std::vector<std::string>;

std::string TempPath(const std::string& name) {
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  return std::string(dir) + "gorvale_store_" + std::to_string(GetCurrentProcessId()) + "_" + name;
}

class IniSectionTest : public ::testing::Test {
 protected:
  void TearDown() override {
    DeleteFileA(file_.c_str());
    RemoveDirectoryA(file_.c_str());
  }

  std::string FileText() const { return gv::test::ReadFileBytes(file_); }

  IniSection ini_;
  std::string file_ = TempPath("settings.ini");
};

TEST_F(IniSectionTest, QuotedValuesAreWrittenWithOneMorePairAndReadBackAsTheyWere) {
  ini_.WriteSection(
      file_, "settings",
      {"IntEdit1.Text='1'", "CheckBox1.Checked=False", "Edit1.Text='it'#39's'", "Hint=#13#10'x'"});
  EXPECT_EQ(FileText(),
            "[settings]\r\nIntEdit1.Text=''1''\r\nCheckBox1.Checked=False\r\nEdit1.Text=''it'#39's''\r\n"
            "Hint=#13#10'x'\r\n");
  EXPECT_EQ(ini_.ReadSection(file_, "settings"), (Lines{"IntEdit1.Text='1'", "CheckBox1.Checked=False",
                                                        "Edit1.Text='it'#39's'", "Hint=#13#10'x'"}));
}

TEST_F(IniSectionTest, KeysAreOneWhateverTheirCaseAndTheLastValueWins) {
  ini_.WriteSection(
      file_, "settings",
      {"CheckBox1.Checked=False", "IntEdit1.Text='1'", "CheckBox1.Checked=True", "checkbox1.CHECKED=False"});
  EXPECT_EQ(ini_.ReadSection(file_, "settings"), (Lines{"CheckBox1.Checked=False", "IntEdit1.Text='1'"}));
  EXPECT_EQ(FileText(), "[settings]\r\nCheckBox1.Checked=False\r\nIntEdit1.Text=''1''\r\n");
}

TEST_F(IniSectionTest, EmptyValuesAndLinesWithoutEqualsSignAreNotReturned) {
  ini_.WriteSection(file_, "settings", {"Edit1.Text=", "no equals sign", "=nameless", "Tag=1"});
  EXPECT_EQ(ini_.ReadSection(file_, "settings"), (Lines{"Tag=1"}));
}

// A file edited by hand: the section reads as the profile functions give it key by key.
TEST_F(IniSectionTest, HandEditedSectionReadsAsKeyByKey) {
  gv::test::WriteFileBytes(
      file_,
      "[other]\r\nA=0\r\n[Settings]\r\n; a comment\r\n  Edit1.Text = 'x'  \r\n=nameless\r\n"
      "no equals sign\r\nTag=\"1\"\r\n\r\nEDIT1.text='y'\r\nHint='a\"\r\nLast=1\r\n[more]\r\nB=2\r\n");
  const Lines expected{"Edit1.Text=x", "Tag=1", "Hint='a\"", "Last=1"};
  EXPECT_EQ(ini_.ReadSection(file_, "settings"), expected);
  for (const std::string& line : expected) {
    const std::string key = line.substr(0, line.find('='));
    char value[64];
    GetPrivateProfileStringA("settings", key.c_str(), "", value, sizeof value, file_.c_str());
    EXPECT_EQ(key + "=" + value, line);
  }
}

TEST_F(IniSectionTest, MissingFileSectionOrKeyReadsEmpty) {
  EXPECT_TRUE(ini_.ReadSection(file_, "settings").empty());
  ini_.WriteSection(file_, "other", {"A=1"});
  EXPECT_TRUE(ini_.ReadSection(file_, "settings").empty());
  // Writing an empty section into a missing file neither fails nor leaves a section behind.
  DeleteFileA(file_.c_str());
  ini_.WriteSection(file_, "settings", {});
  EXPECT_TRUE(ini_.ReadSection(file_, "settings").empty());
}

TEST_F(IniSectionTest, AWriteReplacesTheSectionAndLeavesOthersAlone) {
  ini_.WriteSection(file_, "settings", {"A=1", "B=2", "C=3"});
  ini_.WriteSection(file_, "other", {"X=9"});
  ini_.WriteSection(file_, "settings", {"C=4"});
  EXPECT_EQ(ini_.ReadSection(file_, "settings"), (Lines{"C=4"}));
  EXPECT_EQ(ini_.ReadSection(file_, "Other"), (Lines{"X=9"}));
}

// The file is replaced whole: the other sections stay where they were, byte for byte, and a
// save that would change nothing writes nothing.
TEST_F(IniSectionTest, ASaveReplacesItsSectionInPlaceAndWritesNothingWhenNothingChanged) {
  const std::string before = "; hand-written\r\n[first]\r\nA=1\r\n\r\n", after = "[last]\r\nZ = 26\r\n";
  gv::test::WriteFileBytes(file_, before + "[settings]\r\nOld=1\r\n" + after);
  ini_.WriteSection(file_, "settings", {"IntEdit1.Text='1'", "CheckBox1.Checked=False"});
  EXPECT_EQ(FileText(), before + "[settings]\r\nIntEdit1.Text=''1''\r\nCheckBox1.Checked=False\r\n" + after);
  EXPECT_EQ(ini_.ReadSection(file_, "last"), (Lines{"Z=26"}));
  // The profile functions keep files they have read; one replaced behind them is read again.
  EXPECT_EQ(ini_.ReadSection(file_, "settings"), (Lines{"IntEdit1.Text='1'", "CheckBox1.Checked=False"}));
  ini_.WriteSection(file_, "settings", {"IntEdit1.Text='2'"});
  EXPECT_EQ(ini_.ReadSection(file_, "settings"), (Lines{"IntEdit1.Text='2'"}));
  ini_.WriteSection(file_, "settings", {"IntEdit1.Text='1'", "CheckBox1.Checked=False"});

  WIN32_FILE_ATTRIBUTE_DATA first{}, second{};
  GetFileAttributesExA(file_.c_str(), GetFileExInfoStandard, &first);
  Sleep(20);
  ini_.WriteSection(file_, "settings", {"IntEdit1.Text='1'", "CheckBox1.Checked=False"});
  GetFileAttributesExA(file_.c_str(), GetFileExInfoStandard, &second);
  EXPECT_EQ(CompareFileTime(&first.ftLastWriteTime, &second.ftLastWriteTime), 0) << "an unchanged save wrote";
  EXPECT_EQ(GetFileAttributesA((file_ + ".new").c_str()), INVALID_FILE_ATTRIBUTES);
}

// Another program holds the file open without sharing: reading it is not reading an empty file.
TEST_F(IniSectionTest, AFileHeldOpenWithoutSharingIsUnreadableNotEmpty) {
  gv::test::WriteFileBytes(file_, "[settings]\r\nA=1\r\n");
  HANDLE held =
      CreateFileA(file_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  try {
    ini_.ReadSection(file_, "settings");
    ADD_FAILURE() << "read as a file that can be read";
  } catch (const UnreadableFile& e) {
    EXPECT_EQ(std::string(e.what()).rfind(file_ + " cannot be read (", 0), 0u) << e.what();
  }
  EXPECT_THROW(ini_.WriteSection(file_, "settings", {"A=2"}), fw::Error);
  CloseHandle(held);
  EXPECT_EQ(FileText(), "[settings]\r\nA=1\r\n");
}

TEST_F(IniSectionTest, EveryKeyComesBackPastEightKilobytesOfNames) {
  Lines lines;
  std::ofstream out(file_, std::ios::binary);  // one profile write per key would take seconds
  out << "[settings]\r\n";
  for (int i = 0; i < 700; ++i) {
    lines.push_back("Component" + std::to_string(i) + ".Checked=True");  // about 14 KB of names
    out << lines.back() << "\r\n";
  }
  out.close();
  EXPECT_EQ(ini_.ReadSection(file_, "settings"), lines);
}

TEST_F(IniSectionTest, LongValuesRoundTripWhole) {
  const std::string extra = "'" + std::string(5000, 'x') + "'";
  const std::string plain(1023, 'y');  // exactly fills the first read
  ini_.WriteSection(file_, "settings", {"editExtra.Text=" + extra, "Plain=" + plain});
  EXPECT_EQ(ini_.ReadSection(file_, "settings"), (Lines{"editExtra.Text=" + extra, "Plain=" + plain}));
}

TEST_F(IniSectionTest, FailedWritesNameTheFile) {
  // Under Wine the read-only attribute does not stop a write; a missing directory or a directory
  // in the file's place does.
  const std::string inMissingDir = TempPath("no_such_dir\\settings.ini");
  CreateDirectoryA(file_.c_str(), nullptr);
  for (const std::string& file : {inMissingDir, file_}) {
    try {
      ini_.WriteSection(file, "settings", {"A=1"});
      ADD_FAILURE() << "no error for " << file;
    } catch (const fw::Error& e) {
      EXPECT_EQ(std::string(e.what()), "Unable to write to " + file);
    }
  }
}

TEST_F(IniSectionTest, BinaryRowsKeepRowsInOrder) {
  SectionBinaryRows rows(ini_, file_);
  const std::string row(64, 'A');
  rows.WriteRows("frmMain.Win95SpeedButton2.Glyph.Data", {row, row, "0A0B"});
  rows.Commit();
  EXPECT_EQ(ini_.ReadSection(file_, "frmMain.Win95SpeedButton2.Glyph.Data"),
            (Lines{"I0=" + row, "I1=" + row, "I2=0A0B"}));
  EXPECT_EQ(rows.ReadRows("frmMain.Win95SpeedButton2.Glyph.Data"), (Lines{row, row, "0A0B"}));
  rows.WriteRows("frmMain.Win95SpeedButton2.Glyph.Data", {"FF"});
  rows.Commit();
  EXPECT_EQ(rows.ReadRows("frmMain.Win95SpeedButton2.Glyph.Data"), (Lines{"FF"}));
  EXPECT_TRUE(rows.ReadRows("frmMain.Missing.Data").empty());
}

}  // namespace
}  // namespace gv::store
