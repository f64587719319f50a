#include "store/value_encoding.h"

#include <gtest/gtest.h>

#include "store/memory_sections.h"
#include "store/section_binary_rows.h"

namespace store {
namespace {

using Lines = std::vector<std::string>;

class ValueEncodingTest : public ::testing::Test {
 protected:
  // Flattens every property of a block, as the store does for a component's kept lines.
  Lines FlattenAll(const Lines& block, const std::string& owner_chain = "frmMain.Comp.") {
    Lines entries;
    for (size_t i = 0; i < block.size();) FlattenProperty(block, i, "", owner_chain, rows_, entries);
    return entries;
  }

  Lines Rebuild(const Lines& entries, Lines* collections = nullptr) {
    Lines out;
    RebuildProperties(entries, 2, rows_, out, collections);
    return out;
  }

  MemorySections sections_;
  SectionBinaryRows rows_{sections_, "Test.bin"};
};

TEST(LineNamesTest, PropertyNameStopsAtDotOnlyBeforeTheEqualsSign) {
  EXPECT_EQ(LinePropertyName("    Font.Color = clBlack"), "Font");
  EXPECT_EQ(LinePropertyName("    Caption = 'Version 1.2'"), "Caption");
  EXPECT_EQ(LinePropertyName("  Checked = True"), "Checked");
  EXPECT_EQ(LinePropertyName("  Lines.Strings = ("), "Lines");
  EXPECT_EQ(LinePropertyName("Checked=True"), "Checked");
  // Lines that are no property lines match no kept name.
  for (const char* line : {"  end", "    item", "    'a.b'", "    'one'", "  end>", ""}) {
    EXPECT_EQ(LinePropertyName(line), "") << line;
  }
}

TEST(LineNamesTest, ObjectHeaders) {
  EXPECT_TRUE(IsObjectHeader("    object RadioButton1: TRadioButton"));
  EXPECT_EQ(HeaderComponentName("    object RadioButton1: TRadioButton"), "RadioButton1");
  EXPECT_EQ(HeaderComponentName("object frmMain: TfrmMain"), "frmMain");
  // An unnamed page is a header without a name.
  EXPECT_TRUE(IsObjectHeader("      object TPage"));
  EXPECT_EQ(HeaderComponentName("      object TPage"), "");
  // A value holding the word is no header.
  EXPECT_FALSE(IsObjectHeader("    Caption = 'object Foo: TBar'"));
  EXPECT_FALSE(IsObjectHeader("  objects = 3"));
  EXPECT_EQ(HeaderComponentName("  Caption = 'x'"), "");
}

TEST(LineNamesTest, SplitLinesAndIndentation) {
  EXPECT_EQ(SplitLines("object A: TA\r\n  Left = 1\r\nend\r\n"),
            (Lines{"object A: TA", "  Left = 1", "end"}));
  EXPECT_EQ(SplitLines("a\nb\r\n\r\nc"), (Lines{"a", "b", "", "c"}));
  EXPECT_EQ(Indentation("    Left = 1"), 4);
  EXPECT_EQ(Indentation("end"), 0);
}

TEST_F(ValueEncodingTest, WorkedExampleRebuildsTwoBlocks) {
  EXPECT_EQ(FlattenAll({"    Checked = True"}), (Lines{"Checked=True"}));
  EXPECT_EQ(FlattenAll({"    Text = '12'"}), (Lines{"Text='12'"}));
  EXPECT_EQ(BuildObjectText("RadioButton1", "TRadioButton", {"Checked=True"}, rows_, nullptr),
            "object RadioButton1: TRadioButton\r\n  Checked=True\r\nend\r\n");
  EXPECT_EQ(BuildObjectText("IntEdit10", "TIntEdit", {"Text='12'"}, rows_, nullptr),
            "object IntEdit10: TIntEdit\r\n  Text='12'\r\nend\r\n");
}

TEST_F(ValueEncodingTest, OneLineValuesKeepTheirText) {
  const Lines block = {"    Font.Color = clBlack",
                       "    Caption = 'a.b = c'",
                       "    Hint = 'object X: TY'",
                       "    Text = 'it'#39's'#13#10'next'",
                       "    Anchors = [akLeft, akTop]",
                       "    Lines.Strings = ()",
                       "    Items = <>",
                       "    Data = {0A0B}"};
  const Lines entries = FlattenAll(block);
  EXPECT_EQ(entries, (Lines{"Font.Color=clBlack", "Caption='a.b = c'", "Hint='object X: TY'",
                            "Text='it'#39's'#13#10'next'", "Anchors=[akLeft, akTop]", "Lines.Strings=()",
                            "Items=<>", "Data={0A0B}"}));
  Lines collections;
  const Lines rebuilt = Rebuild(entries, &collections);
  ASSERT_EQ(rebuilt.size(), entries.size());
  for (size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(rebuilt[i], "  " + entries[i]);
  EXPECT_TRUE(collections.empty());  // an empty collection is a one-line value
}

TEST_F(ValueEncodingTest, ListsFlattenToNumberedElementsAndCloseWhenRebuilt) {
  const Lines block = {"    Lines.Strings = (", "      'a'",     "      'b')",
                       "    Items.Strings = (", "      'only')", "    Tag = 3"};
  size_t index = 0;
  Lines entries;
  FlattenProperty(block, index, "", "", rows_, entries);
  EXPECT_EQ(index, 3u);
  EXPECT_EQ(entries, (Lines{"Lines.Strings(0)='a'", "Lines.Strings(1)='b'"}));

  entries = FlattenAll(block);
  EXPECT_EQ(Rebuild(entries), (Lines{"  Lines.Strings = (", "    'a'", "    'b')", "  Items.Strings = (",
                                     "    'only')", "  Tag=3"}));
}

TEST_F(ValueEncodingTest, NestedCollectionsGetItemPrefixes) {
  const Lines block = {"    Outer = <",     "      item",     "        Caption = 'first'",
                       "        Inner = <", "          item", "            Width = 1",
                       "          end",     "          item", "            Width = 2",
                       "          end>",    "      end",      "      item",
                       "        Inner = <", "          item", "            Width = 3",
                       "          end>",    "      end>",     "    Tag = 5"};
  size_t index = 0;
  Lines entries;
  FlattenProperty(block, index, "", "", rows_, entries);
  EXPECT_EQ(index, 17u);
  EXPECT_EQ(entries,
            (Lines{"Outer<item(0)>.Caption='first'", "Outer<item(0)>.Inner<item(0)>.Width=1",
                   "Outer<item(0)>.Inner<item(1)>.Width=2", "Outer<item(1)>.Inner<item(0)>.Width=3"}));

  Lines collections;
  EXPECT_EQ(Rebuild(entries, &collections),
            (Lines{"  Outer = <", "    item", "      Caption='first'", "      Inner = <", "        item",
                   "          Width=1", "        end", "        item", "          Width=2", "        end>",
                   "    end", "    item", "      Inner = <", "        item", "          Width=3",
                   "        end>", "    end>"}));
  EXPECT_EQ(collections, (Lines{"Outer"}));  // nested collections are not the caller's to empty
}

TEST_F(ValueEncodingTest, RebuiltItemsFollowLineOrderNotTheirNumbers) {
  Lines collections;
  EXPECT_EQ(Rebuild({"Columns<item(5)>.Width=10", "Columns<item(5)>.Title='a'", "Columns<item(2)>.Width=20",
                     "Sub.Panels<item(0)>.Text='x.y'", "Sub.Panels<item(1)>.Text='z'"},
                    &collections),
            (Lines{"  Columns = <", "    item", "      Width=10", "      Title='a'", "    end", "    item",
                   "      Width=20", "    end>", "  Sub.Panels = <", "    item", "      Text='x.y'",
                   "    end", "    item", "      Text='z'", "    end>"}));
  EXPECT_EQ(collections, (Lines{"Columns", "Sub.Panels"}));
}

TEST_F(ValueEncodingTest, LongBinaryDataGoesToItsOwnSection) {
  const std::string row(64, 'A');
  const Lines block = {"    Glyph.Data = {", "      " + row, "      " + row, "      0A0B}", "    Tag = 1"};
  size_t index = 0;
  Lines entries;
  FlattenProperty(block, index, "", "frmMain.Win95SpeedButton2.", rows_, entries);
  EXPECT_EQ(index, 4u);
  EXPECT_EQ(entries, (Lines{"Glyph.Data{}=frmMain.Win95SpeedButton2.Glyph.Data"}));
  EXPECT_EQ(sections_.StoredLines("Test.bin", "frmMain.Win95SpeedButton2.Glyph.Data"),
            (Lines{"I0=" + row, "I1=" + row, "I2=0A0B"}));

  EXPECT_EQ(Rebuild(entries), (Lines{"  Glyph.Data= {", "    " + row, "    " + row, "    0A0B}"}));
  // A section that went missing leaves the property empty.
  EXPECT_EQ(Rebuild({"Glyph.Data{}=frmMain.Gone.Glyph.Data"}), (Lines{"  Glyph.Data= {}"}));
}

TEST_F(ValueEncodingTest, BinaryDataInsideACollectionItemNamesItsItem) {
  const std::string row(64, '1');
  const Lines block = {"    Images = <", "      item", "        Data = {", "          " + row + "}",
                       "      end>"};
  const Lines entries = FlattenAll(block, "frmMain.List.");
  EXPECT_EQ(entries, (Lines{"Images<item(0)>.Data{}=frmMain.List.Images<item(0)>.Data"}));
  EXPECT_EQ(Rebuild(entries),
            (Lines{"  Images = <", "    item", "      Data= {", "        " + row + "}", "    end>"}));
}

TEST_F(ValueEncodingTest, LongValuesRoundTripWhole) {
  const std::string text = "'" + std::string(300, 'x') + " -game gorvale +map e1m1'";
  const std::string element = "'" + std::string(400, 'y') + "'";
  const Lines block = {"    Text = " + text, "    Lines.Strings = (", "      " + element + ")"};
  const Lines entries = FlattenAll(block);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0], "Text=" + text);
  EXPECT_EQ(entries[1], "Lines.Strings(0)=" + element);

  // Through a profile-like store and back, the text keeps its closing quote.
  sections_.WriteSection("Zelt.ini", "settings", {"editExtra." + entries[0]});
  const Lines read = sections_.ReadSection("Zelt.ini", "settings");
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0], "editExtra.Text=" + text);
  EXPECT_EQ(Rebuild(entries), (Lines{"  Text=" + text, "  Lines.Strings = (", "    " + element + ")"}));
}

TEST_F(ValueEncodingTest, RebuildPassesOverLinesWithoutEqualsSign) {
  EXPECT_EQ(Rebuild({"garbage", "Checked=True", ""}), (Lines{"  Checked=True"}));
}

TEST_F(ValueEncodingTest, FlatteningARebuiltBlockGivesTheSameEntries) {
  const std::string row(64, 'F');
  rows_.WriteRows("Glyph.Data", {row, "0F"});
  const Lines entries = {"Left=8",
                         "Glyph.Data{}=Glyph.Data",
                         "Lines.Strings(0)='a'",
                         "Lines.Strings(1)='b'",
                         "Columns<item(0)>.Width=5",
                         "Columns<item(0)>.Lines(0)='q'",
                         "Columns<item(1)>.Inner<item(0)>.Tag=1",
                         "Columns<item(1)>.Inner<item(1)>.Tag=2",
                         "Hint='x'"};
  const Lines again = FlattenAll(Rebuild(entries), "");
  EXPECT_EQ(again, entries);
  EXPECT_EQ(rows_.ReadRows("Glyph.Data"), (Lines{row, "0F"}));
}

}  // namespace
}  // namespace store
