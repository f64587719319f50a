#include "store/entries/profile_text.h"

#include <gtest/gtest.h>

namespace gv::store {
namespace {

using Lines = std::vector<std::string>;

TEST(ProfileTextTest, LinesComeOutAsWritingEachEntryInTurnLeavesThem) {
  EXPECT_EQ(
      ProfileLines({"IntEdit1.Text='1'", "  Edit1.Text =  'x' ", "CheckBox1.Checked=False", "no equals sign",
                    "=nameless", " \t=blank name", "checkbox1.CHECKED=True", "Empty="}),
      (Lines{"IntEdit1.Text=''1''", "Edit1.Text='x'", "CheckBox1.Checked=True"}));
}

TEST(ProfileTextTest, ASectionReplacesItselfInPlaceAndEverythingElseStaysByteForByte) {
  const std::string othersBefore = "; written by hand\r\n[Other]\r\nA=1\r\n\r\n";
  const std::string othersAfter = "[more] \nB = 2\n; the end";
  const std::string text = othersBefore + " [SETTINGS] \r\nOld=1\r\n; gone\r\nOld2=2\r\n\r\n" + othersAfter;
  EXPECT_EQ(ReplaceSections(text, {{"settings", {"New=1", "New2='2'"}}}),
            othersBefore + "[settings]\r\nNew=1\r\nNew2=''2''\r\n\r\n" + othersAfter);
  // A second section of the same name goes; the first reads as the section anyway.
  EXPECT_EQ(
      ReplaceSections("[settings]\r\nA=1\r\n[x]\r\nX=1\r\n[Settings]\r\nB=2\r\n", {{"settings", {"C=3"}}}),
      "[settings]\r\nC=3\r\n[x]\r\nX=1\r\n");
}

TEST(ProfileTextTest, AMissingSectionIsAddedAtTheEndAndAnEmptyOneRemoved) {
  EXPECT_EQ(ReplaceSections("", {{"settings", {"A=1"}}, {"Glyph.Data", {"I0=00"}}}),
            "[settings]\r\nA=1\r\n[Glyph.Data]\r\nI0=00\r\n");
  EXPECT_EQ(ReplaceSections("[x]\r\nX=1", {{"settings", {"A=1"}}}), "[x]\r\nX=1\r\n[settings]\r\nA=1\r\n");
  EXPECT_EQ(ReplaceSections("[x]\r\nX=1\r\n[settings]\r\nA=1\r\n", {{"settings", {}}}), "[x]\r\nX=1\r\n");
  EXPECT_EQ(ReplaceSections("", {{"settings", {}}}), "");
}

}  // namespace
}  // namespace gv::store
