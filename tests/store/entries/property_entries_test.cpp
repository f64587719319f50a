// Property values between the description tree and settings entries: every kind of value,
// both ways, and entries that do not parse.
#include "store/entries/property_entries.h"

#include <gtest/gtest.h>

#include "framework/core/desc_parser.h"
#include "framework/core/desc_writer.h"
#include "store/entries/section_binary_rows.h"
#include "store/native_stand_ins/memory_sections.h"

namespace gv::store {
namespace {

using Lines = std::vector<std::string>;
namespace desc = fw::desc;

class PropertyEntriesTest : public ::testing::Test {
 protected:
  // The entries of every property of a one-object text.
  Lines Flatten(const std::string& body, const std::string& ownerChain = "frmMain.Comp.") {
    Lines entries;
    for (const desc::Property& p : Parse(body).props) FlattenProperty(p, "", ownerChain, rows_, entries);
    rows_.Commit();
    return entries;
  }

  std::vector<desc::Property> Rebuild(const Lines& lines) {
    std::vector<Entry> entries;
    for (const std::string& line : lines) {
      const size_t eq = line.find('=');
      entries.push_back({line.substr(0, eq), line.substr(eq + 1), static_cast<int>(entries.size()) + 1});
    }
    faults_.clear();
    return RebuildProperties(entries, rows_, faults_);
  }

  // The canonical text of properties, to compare trees.
  static std::string Text(const std::vector<desc::Property>& props) {
    desc::Object object;
    object.name = "Comp";
    object.className = "TComp";
    object.props = props;
    return desc::Write(object);
  }
  static desc::Object Parse(const std::string& body) {
    return desc::Parse("object Comp: TComp\n" + body + "end\n");
  }

  MemorySections sections_;
  SectionBinaryRows rows_{sections_, "Test.bin"};
  std::vector<EntryFault> faults_;
};

TEST_F(PropertyEntriesTest, EveryKindOfValueFlattensAndComesBackAsTheSameTree) {
  const std::string row(64, 'A');
  const std::string body =
      "  Left = -8\n  Ratio = 2.5\n  Caption = 'it'#39's'#13#10'two'\n  Color = clBtnFace\n"
      "  Style = [fsBold, fsItalic]\n  Font.Name = 'Arial'\n  Empty = ''\n  NoLines = ()\n  NoItems = <>\n"
      "  Small = {0A0B}\n  None = {}\n  Lines.Strings = (\n    'a'\n    'b')\n  Glyph.Data = {\n    " +
      row + "\n    " + row +
      "\n    0A0B}\n  Outer = <\n    item\n      Caption = 'first'\n"
      "      Inner = <\n        item\n          Width = 1\n        end\n        item\n          Width = 2\n"
      "        end>\n    end\n    item\n      Data = {\n        " +
      row + "}\n    end>\n  Tag = 5\n";
  const Lines entries = Flatten(body);
  EXPECT_EQ(entries,
            (Lines{"Left=-8", "Ratio=2.5", "Caption='it'#39's'#13#10'two'", "Color=clBtnFace",
                   "Style=[fsBold, fsItalic]", "Font.Name='Arial'", "Empty=''", "NoLines=()", "NoItems=<>",
                   "Small={0A0B}", "None={}", "Lines.Strings(0)='a'", "Lines.Strings(1)='b'",
                   "Glyph.Data{}=frmMain.Comp.Glyph.Data", "Outer<item(0)>.Caption='first'",
                   "Outer<item(0)>.Inner<item(0)>.Width=1", "Outer<item(0)>.Inner<item(1)>.Width=2",
                   "Outer<item(1)>.Data{}=frmMain.Comp.Outer<item(1)>.Data", "Tag=5"}));
  EXPECT_EQ(sections_.StoredLines("Test.bin", "frmMain.Comp.Glyph.Data"),
            (Lines{"I0=" + row, "I1=" + row, "I2=0A0B"}));

  const std::vector<desc::Property> rebuilt = Rebuild(entries);
  EXPECT_TRUE(faults_.empty());
  EXPECT_EQ(Text(rebuilt), desc::Write(Parse(body)));
  for (size_t i = 0; i < rebuilt.size(); ++i) EXPECT_GT(rebuilt[i].line, 0) << rebuilt[i].name;
}

TEST_F(PropertyEntriesTest, LongValuesStayWholeOnTheirLine) {
  const std::string text = "'" + std::string(300, 'x') + " -game gorvale +map e1m1'";
  const std::string element = "'" + std::string(400, 'y') + "'";
  const Lines entries = Flatten("  Text = " + text + "\n  Lines.Strings = (\n    " + element + ")\n");
  EXPECT_EQ(entries, (Lines{"Text=" + text, "Lines.Strings(0)=" + element}));
  EXPECT_EQ(Text(Rebuild(entries)),
            Text(Parse("  Text = " + text + "\n  Lines.Strings = (\n    " + element + ")\n").props));
}

TEST_F(PropertyEntriesTest, ItemsTakeThePlacesTheirNumbersGive) {
  // Item 1 held only defaults and wrote nothing; item 2 comes back as item 2, not as item 1.
  const auto props =
      Rebuild({"Columns<item(2)>.Width=30", "Columns<item(0)>.Width=10", "Columns<item(0)>.Title='a'",
               "Sub.Panels<item(0)>.Text='x.y'", "Sub.Panels<item(1)>.Text='z'", "Lines(0)='a'",
               "Other(0)='b'", "Rows<item(4096)>.Tag=1", "Rows<ITEM(1)>.Tag=1", "Rows<item(-1)>.Tag=1"});
  EXPECT_EQ(Text(props),
            Text(Parse("  Columns = <\n    item\n      Width = 10\n      Title = 'a'\n    end\n"
                       "    item\n    end\n    item\n      Width = 30\n    end>\n"
                       "  Sub.Panels = <\n    item\n      Text = 'x.y'\n    end\n    item\n"
                       "      Text = 'z'\n    end>\n  Lines = (\n    'a')\n  Other = (\n    'b')\n"
                       "  Rows = <>\n")
                     .props));
  // Numbers that are no item of ours: past the limit, or not written as the writer writes them.
  EXPECT_EQ(faults_.size(), 3u);
  // A section of the binary-data file that went missing leaves the data empty.
  EXPECT_EQ(Text(Rebuild({"Glyph.Data{}=frmMain.Gone.Glyph.Data"})),
            Text(Parse("  Glyph.Data = {}\n").props));
}

TEST_F(PropertyEntriesTest, AnEntryThatDoesNotParseIsLeftOutAndReportedAlone) {
  const auto props = Rebuild({"Checked=Maybe", "Text='open", "Width=3", "Lines(0)='a'", "Lines(1)=#",
                              "Lines(2)='c'", "Items<item(0)>.Tag=1", "Items<item(0)>.Name='x",
                              "Items<item(1)>.Tag=2", "Items<item(0)", "Hint=1 2", "Data{}=rows"});
  // An identifier is a value like any other: whether it fits is the loader's business.
  EXPECT_EQ(Text(props), Text(Parse("  Checked = Maybe\n  Width = 3\n  Items = <\n    item\n      Tag = 1\n"
                                    "    end\n    item\n      Tag = 2\n    end>\n  Data = {}\n")
                                  .props));
  ASSERT_EQ(faults_.size(), 5u);
  EXPECT_EQ(faults_[0].number, 2);
  EXPECT_EQ(faults_[0].reason, "Invalid string constant");
  EXPECT_EQ(faults_[1].number, 5);  // and the list it belongs to goes with it
  EXPECT_EQ(faults_[2].number, 8);
  EXPECT_EQ(faults_[3].number, 10);
  EXPECT_EQ(faults_[4].number, 11);
  EXPECT_EQ(faults_[4].reason, "End of file expected");
}

TEST_F(PropertyEntriesTest, CollectionsNestedDeeperThanTheParserTakesAreRefused) {
  std::string key;
  for (int i = 0; i < 150; ++i) key += "A<item(0)>.";
  const auto props = Rebuild({key + "Tag=1", "Width=2"});
  ASSERT_EQ(faults_.size(), 1u);
  EXPECT_EQ(faults_[0].reason, "Nesting too deep");
  EXPECT_EQ(props.back().name, "Width");
}

}  // namespace
}  // namespace gv::store
