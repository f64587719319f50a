#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "framework/core/desc_parser.h"
#include "framework/core/desc_writer.h"
#include "framework/core/error.h"

namespace fw::desc {
namespace {

Property Prop(std::string name, Value v) {
  Property p;
  p.name = std::move(name);
  p.value = std::move(v);
  return p;
}

std::string Bytes(size_t n) {
  std::string s;
  for (size_t i = 0; i < n; ++i) s += static_cast<char>(i * 7);
  return s;
}

TEST(DescWriterTest, StringsAreQuotedRunsAndCharacterCodes) {
  EXPECT_EQ(QuoteString(""), "''");
  EXPECT_EQ(QuoteString("it's"), "'it'#39's'");
  EXPECT_EQ(QuoteString("'"), "#39");
  EXPECT_EQ(QuoteString("''x"), "#39#39'x'");
  EXPECT_EQ(QuoteString("a\r\nb"), "'a'#13#10'b'");
  EXPECT_EQ(QuoteString(std::string("\0\t", 2)), "#0#9");
  EXPECT_EQ(QuoteString("caf\xC3\xA9 ~"), "'caf\xC3\xA9 ~'");  // bytes from 128 on stay raw
  EXPECT_EQ(QuoteString(std::string(300, 'x')), "'" + std::string(300, 'x') + "'");  // one line
}

TEST(DescWriterTest, BinaryDataMovesToRowsFrom32Bytes) {
  EXPECT_EQ(WriteValue(MakeBinary(""), 1), "{}");
  EXPECT_EQ(WriteValue(MakeBinary("\x0A\xFF"), 1), "{0AFF}");

  std::string v31 = WriteValue(MakeBinary(Bytes(31)), 1);
  EXPECT_EQ(v31.size(), 2 + 62u);
  EXPECT_EQ(v31.find('\n'), std::string::npos);

  std::string v32 = WriteValue(MakeBinary(Bytes(32)), 1);
  std::string row32 = v32.substr(7, 64);
  EXPECT_EQ(v32, "{\r\n    " + row32 + "}");

  std::string v33 = WriteValue(MakeBinary(Bytes(33)), 1);
  EXPECT_EQ(v33, "{\r\n    " + row32 + "\r\n    E0}");  // 32 * 7 = 224 = E0
}

TEST(DescWriterTest, NumbersAndIdentifiers) {
  EXPECT_EQ(WriteValue(MakeInteger(-8), 0), "-8");
  EXPECT_EQ(WriteValue(MakeInteger(std::numeric_limits<int64_t>::min()), 0), "-9223372036854775808");
  EXPECT_EQ(WriteValue(MakeFloat(40273.0), 0), "40273.0");
  EXPECT_EQ(WriteValue(MakeFloat(0.547337048607005300), 0), "0.5473370486070053");
  EXPECT_EQ(WriteValue(MakeFloat(-2.25), 0), "-2.25");
  EXPECT_EQ(WriteValue(MakeFloat(1e20), 0), "1e+20");
  EXPECT_THROW(WriteValue(MakeFloat(std::nan("")), 0), Error);
  EXPECT_THROW(WriteValue(MakeFloat(HUGE_VAL), 0), Error);
  EXPECT_EQ(WriteValue(MakeIdent("Frame1.Button2"), 0), "Frame1.Button2");
  for (const char* bad : {"", "1st", "a b", "a.", ".a", "a..b", "a'b"}) {
    EXPECT_THROW(WriteValue(MakeIdent(bad), 0), Error) << bad;
    EXPECT_THROW(WriteValue(MakeSet({"ok", bad}), 0), Error) << bad;
  }
  EXPECT_EQ(WriteValue(MakeSet({}), 0), "[]");
  EXPECT_EQ(WriteValue(MakeSet({"akTop", "akLeft"}), 0), "[akTop, akLeft]");
  EXPECT_EQ(WriteValue(MakeList({}), 0), "()");
  EXPECT_EQ(WriteValue(MakeCollection({}), 0), "<>");
}

// One tree with every layout rule; the text must also be a fixed point of Parse then Write.
TEST(DescWriterTest, WritesCanonicalLayout) {
  Object root;
  root.name = "frmMain";
  root.className = "TfrmMain";
  root.props.push_back(Prop("Caption", MakeString("Run 'object' here")));
  root.props.push_back(Prop("Font.Style", MakeSet({"fsBold"})));
  root.props.push_back(Prop("Lines.Strings", MakeList({MakeString("a"), MakeInteger(-1)})));

  Item inner;
  inner.props.push_back(Prop("Width", MakeInteger(40)));
  Item outer;
  outer.props.push_back(Prop("Inner", MakeCollection({Item{}, inner})));
  root.props.push_back(Prop("Outer", MakeCollection({outer, Item{}})));

  Object page;
  page.kind = Object::Kind::Inherited;
  page.className = "TPage";
  page.index = 2;
  Object frame;
  frame.kind = Object::Kind::Inline;
  frame.name = "Frame1";
  frame.className = "TFrame1";
  frame.props.push_back(Prop("Glyph.Data", MakeBinary(Bytes(33))));
  page.children.push_back(frame);
  root.children.push_back(page);

  const std::string expected =
      "object frmMain: TfrmMain\r\n"
      "  Caption = 'Run '#39'object'#39' here'\r\n"
      "  Font.Style = [fsBold]\r\n"
      "  Lines.Strings = (\r\n"
      "    'a'\r\n"
      "    -1)\r\n"
      "  Outer = <\r\n"
      "    item\r\n"
      "      Inner = <\r\n"
      "        item\r\n"
      "        end\r\n"
      "        item\r\n"
      "          Width = 40\r\n"
      "        end>\r\n"
      "    end\r\n"
      "    item\r\n"
      "    end>\r\n"
      "  inherited TPage [2]\r\n"
      "    inline Frame1: TFrame1\r\n"
      "      Glyph.Data = {\r\n"
      "        00070E151C232A31383F464D545B626970777E858C939AA1A8AFB6BDC4CBD2D9\r\n"
      "        E0}\r\n"
      "    end\r\n"
      "  end\r\n"
      "end\r\n";
  EXPECT_EQ(Write(root), expected);
  EXPECT_EQ(Write(Parse(expected)), expected);

  // Text that could not be read back is refused rather than written.
  root.children[0].className = "";
  EXPECT_THROW(Write(root), Error);
  root.children[0].className = "TPage";
  root.props[0].name = "Caption ";
  EXPECT_THROW(Write(root), Error);
}

}  // namespace
}  // namespace fw::desc
