#include "store/entries/section_lines.h"

#include <gtest/gtest.h>

#include "framework/core/error.h"
#include "store/entries/section_binary_rows.h"
#include "store/native_stand_ins/memory_sections.h"

namespace gv::store {
namespace {

using Lines = std::vector<std::string>;

TEST(SectionLinesTest, PutReplacesInPlaceWithoutRegardToCase) {
  Lines lines;
  PutSectionLine(lines, "CheckBox1.Checked", "False");
  PutSectionLine(lines, "IntEdit1.Text", "'1'");
  PutSectionLine(lines, "checkbox1.checked", "True");
  EXPECT_EQ(lines, (Lines{"CheckBox1.Checked=True", "IntEdit1.Text='1'"}));
  // An empty value adds nothing and takes out the line it would replace.
  PutSectionLine(lines, "Edit1.Text", "");
  PutSectionLine(lines, "CHECKBOX1.CHECKED", "");
  EXPECT_EQ(lines, (Lines{"IntEdit1.Text='1'"}));
}

TEST(SectionLinesTest, ProfileQuotingReadsBackEveryEncodedValue) {
  EXPECT_EQ(QuoteProfileValue("'1'"), "''1''");
  // As the profile functions read (measured under Wine): blanks trimmed, one matching pair removed.
  EXPECT_EQ(UnquoteProfileValue("  \"x\" "), "x");
  EXPECT_EQ(UnquoteProfileValue("'x\""), "'x\"");
  for (const char* value : {"'1'", "'it'#39's'", "#13#10'x'", "'a'#13", "[]", "''", "'", "{0A}", "False"}) {
    EXPECT_EQ(UnquoteProfileValue(QuoteProfileValue(value)), value);
  }
}

TEST(MemorySectionsTest, BehavesLikeAProfileFile) {
  MemorySections sections;
  sections.WriteSection("Zelt.ini", "settings",
                        {"IntEdit1.Text='1'", "CheckBox1.Checked=False", "no equals sign",
                         "Edit1.Text=", "checkbox1.checked=True", "Tag=1"});
  EXPECT_EQ(sections.StoredLines("zelt.INI", "Settings"),
            (Lines{"IntEdit1.Text=''1''", "CheckBox1.Checked=True", "Edit1.Text=", "Tag=1"}));
  EXPECT_EQ(sections.ReadSection("Zelt.ini", "settings"),
            (Lines{"IntEdit1.Text='1'", "CheckBox1.Checked=True", "Tag=1"}));
  // A write replaces the whole section and leaves others alone.
  sections.WriteSection("Zelt.ini", "other", {"A=1"});
  sections.WriteSection("Zelt.ini", "settings", {"B=2"});
  EXPECT_EQ(sections.ReadSection("Zelt.ini", "settings"), (Lines{"B=2"}));
  EXPECT_EQ(sections.ReadSection("Zelt.ini", "other"), (Lines{"A=1"}));
  EXPECT_TRUE(sections.ReadSection("Missing.ini", "settings").empty());
  EXPECT_EQ(sections.WriteCount(), 3);
  EXPECT_EQ(sections.ReadCount(), 4);

  sections.FailWrites(true);
  try {
    sections.WriteSection("Zelt.ini", "settings", {});
    FAIL();
  } catch (const fw::Error& e) {
    EXPECT_STREQ(e.what(), "Unable to write to Zelt.ini");
  }
}

TEST(MemorySectionsTest, RegistryLikeKeepsValuesAsTheyAre) {
  MemorySections sections(MemorySections::Quoting::kNone);
  sections.WriteSection("Software\\Gorvale", "settings", {"IntEdit1.Text='1'", "Hint= x "});
  EXPECT_EQ(sections.StoredLines("Software\\Gorvale", "settings"), (Lines{"IntEdit1.Text='1'", "Hint= x "}));
  EXPECT_EQ(sections.ReadSection("Software\\Gorvale", "settings"), (Lines{"IntEdit1.Text='1'", "Hint= x "}));
}

TEST(SectionBinaryRowsTest, RowsGoToTheFileTogetherAtCommitAndComeBackInOrder) {
  MemorySections sections;
  SectionBinaryRows rows(sections, "Zelt.bin");
  rows.WriteRows("frmMain.Image1.Picture.Data", {"00FF", "ABCD", "12"});
  rows.WriteRows("frmMain.Image2.Picture.Data", {"01"});
  EXPECT_EQ(sections.WriteCount(), 0);
  rows.Commit();
  EXPECT_EQ(sections.StoredLines("Zelt.bin", "frmMain.Image1.Picture.Data"),
            (Lines{"I0=00FF", "I1=ABCD", "I2=12"}));
  EXPECT_EQ(rows.ReadRows("frmMain.Image1.Picture.Data"), (Lines{"00FF", "ABCD", "12"}));
  EXPECT_EQ(rows.ReadRows("frmMain.Image2.Picture.Data"), (Lines{"01"}));
  rows.WriteRows("frmMain.Image1.Picture.Data", {"EE"});
  rows.Commit();
  rows.Commit();  // nothing kept: nothing written
  EXPECT_EQ(rows.ReadRows("frmMain.Image1.Picture.Data"), (Lines{"EE"}));
  EXPECT_TRUE(rows.ReadRows("frmMain.Missing").empty());
  EXPECT_EQ(sections.WriteCount(), 3);
}

}  // namespace
}  // namespace gv::store
