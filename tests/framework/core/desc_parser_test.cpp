#include <string>

#include <gtest/gtest.h>

#include "framework/core/desc_parser.h"
#include "framework/core/desc_writer.h"
#include "framework/core/error.h"

namespace fw::desc {
namespace {

using Type = Value::Type;

const Value& PropValue(const Object& obj, const std::string& name) {
  for (const Property& p : obj.props)
    if (p.name == name) return p.value;
  throw std::runtime_error("no property " + name);
}

// The parse error message for `text`, or "" when it parses.
std::string ErrorOf(const std::string& text) {
  try {
    Parse(text);
  } catch (const ParseError& e) {
    return e.what();
  }
  return "";
}

TEST(DescParserTest, ReadsEveryValueForm) {
  const Object obj = Parse(
      "object Form1: TForm1\n"
      "  Left = -8\n"
      "  Color = $FF\n"
      "  Tag = -$10\n"
      "  Date = 40273.000000000000000000\n"
      "  Ratio = -1.5E+003\n"
      "  Caption = 'It''s'#13#10'ok'\n"
      "  Hint = \n"
      "    'first ' +\n"
      "    'second'\n"
      "  Wide = #1076#1072'!'#55357#56832\n"
      "  PopupMenu = Frame1.Menu\n"
      "  Anchors = [akTop, akLeft]\n"
      "  Options = []\n"
      "  Items.Strings = (\n"
      "    'a'\n"
      "    1\n"
      "    Ident)\n"
      "  Data = {\n"
      "    0AFF\n"
      "    10}\n"
      "end\n");
  EXPECT_EQ(obj.name, "Form1");
  EXPECT_EQ(obj.className, "TForm1");
  EXPECT_EQ(PropValue(obj, "Left").integer, -8);
  EXPECT_EQ(PropValue(obj, "Color").integer, 255);
  EXPECT_EQ(PropValue(obj, "Tag").integer, -16);
  EXPECT_EQ(PropValue(obj, "Date").type, Type::Float);
  EXPECT_EQ(PropValue(obj, "Date").real, 40273.0);
  EXPECT_EQ(PropValue(obj, "Ratio").real, -1500.0);
  EXPECT_EQ(PropValue(obj, "Caption").text, "It's\r\nok");
  EXPECT_EQ(PropValue(obj, "Hint").text, "first second");
  EXPECT_EQ(PropValue(obj, "Hint").line, 9);
  EXPECT_EQ(PropValue(obj, "Wide").text, "\xD0\xB4\xD0\xB0!\xF0\x9F\x98\x80");  // surrogate pair joined
  EXPECT_EQ(PropValue(obj, "PopupMenu").type, Type::Ident);
  EXPECT_EQ(PropValue(obj, "PopupMenu").text, "Frame1.Menu");
  EXPECT_EQ(PropValue(obj, "Anchors").set, (std::vector<std::string>{"akTop", "akLeft"}));
  EXPECT_EQ(PropValue(obj, "Options").type, Type::Set);
  EXPECT_TRUE(PropValue(obj, "Options").set.empty());
  const Value& list = PropValue(obj, "Items.Strings");
  ASSERT_EQ(list.list.size(), 3u);
  EXPECT_EQ(list.list[0].text, "a");
  EXPECT_EQ(list.list[1].integer, 1);
  EXPECT_EQ(list.list[2].type, Type::Ident);
  EXPECT_EQ(PropValue(obj, "Data").text, "\x0A\xFF\x10");
}

TEST(DescParserTest, ReadsHeadersCollectionsAndChildren) {
  const Object obj = Parse(
      "inherited Frame: TFrame [3]\r\n"
      "  Columns = <  \r\n"
      "    item\r\n"
      "      Inner = <>\r\n"
      "    end  \r\n"
      "    item\r\n"
      "      Width = 10\r\n"
      "    end>\r\n"
      "  inline TSynGutterPartList\r\n"
      "  end\r\n"
      "  object Label1: TLabel\r\n"
      "    Caption = 'object X: TY'\r\n"
      "  end\r\n"
      "end");
  EXPECT_EQ(obj.kind, Object::Kind::Inherited);
  EXPECT_EQ(obj.index, 3);
  const Value& cols = PropValue(obj, "Columns");
  ASSERT_EQ(cols.items.size(), 2u);
  EXPECT_EQ(cols.items[0].props[0].value.type, Type::Collection);
  EXPECT_EQ(cols.items[1].props[0].value.integer, 10);
  ASSERT_EQ(obj.children.size(), 2u);
  EXPECT_EQ(obj.children[0].kind, Object::Kind::Inline);
  EXPECT_EQ(obj.children[0].name, "");
  EXPECT_EQ(obj.children[0].className, "TSynGutterPartList");
  EXPECT_EQ(obj.children[1].line, 11);
  EXPECT_EQ(PropValue(obj.children[1], "Caption").text, "object X: TY");
}

TEST(DescParserTest, LineEndsDoNotMatter) {
  const std::string lf = "object A: TA\n  X = 1\n  object B: TB\n  end\nend\n";
  std::string crlf, cr;
  for (char c : lf) {
    crlf += c == '\n' ? "\r\n" : std::string(1, c);
    cr += c == '\n' ? '\r' : c;
  }
  const std::string canonical = Write(Parse(lf));
  EXPECT_EQ(Write(Parse(crlf)), canonical);
  EXPECT_EQ(Write(Parse(cr)), canonical);
  EXPECT_EQ(Write(Parse("object A: TA\r\n  X = 1\n  object B: TB\r\n  end\nend")), canonical);
  EXPECT_EQ(Parse(cr).children[0].line, 3);
}

// The settings store rebuilds blocks with "Name=value" lines and no blanks around "=".
TEST(DescParserTest, ReadsCompactLines) {
  const Object obj = Parse(
      "object IntEdit10: TIntEdit\r\n  Text='12'\r\n  Checked=True\r\n  Lines.Strings = (\r\n    'a'\r\n"
      "    'b')\r\n  Glyph.Data= {}\r\n  Cols = <\r\n    item\r\n      Width=5\r\n    end>\r\nend\r\n");
  EXPECT_EQ(PropValue(obj, "Text").text, "12");
  EXPECT_EQ(PropValue(obj, "Checked").text, "True");
  EXPECT_EQ(PropValue(obj, "Lines.Strings").list.size(), 2u);
  EXPECT_EQ(PropValue(obj, "Glyph.Data").type, Type::Binary);
  EXPECT_TRUE(PropValue(obj, "Glyph.Data").text.empty());
  EXPECT_EQ(PropValue(obj, "Cols").items[0].props[0].value.integer, 5);
}

TEST(DescParserTest, KeywordsFollowedByEqualsAreProperties) {
  const Object obj = Parse("object A: TA\n  End = 1\n  Object = Inline\nend\n");
  ASSERT_EQ(obj.props.size(), 2u);
  EXPECT_EQ(obj.props[1].value.text, "Inline");
}

TEST(DescParserTest, SyntaxErrorsNameTheLine) {
  EXPECT_EQ(ErrorOf("object A: TA\n  Caption = 'abc\nend\n"), "Invalid string constant on line 2");
  EXPECT_EQ(ErrorOf("object A: TA\n  X = 1\n  = 2\nend\n"), "Identifier expected on line 3");
  EXPECT_EQ(ErrorOf("object A: TA\n  X 1\nend\n"), "'=' expected on line 2");
  EXPECT_EQ(ErrorOf("object A: TA\n  X = ,\nend\n"), "Invalid property value on line 2");
  EXPECT_EQ(ErrorOf("object A: TA\n  X = 'a' +\n  Y = 1\nend\n"), "String expected on line 3");
  EXPECT_EQ(ErrorOf("object A: TA\n  X = [a b]\nend\n"), "']' expected on line 2");
  EXPECT_EQ(ErrorOf("object A: TA\n  X = {0A1}\nend\n"), "Invalid binary value on line 2");
  EXPECT_EQ(ErrorOf("object A: TA\n  X = {0G}\nend\n"), "Invalid binary value on line 2");
  EXPECT_EQ(ErrorOf("object A: TA\n  X = <\n    Y = 1\n  >\nend\n"), "'item' expected on line 3");
  EXPECT_EQ(ErrorOf("object A: TA\n  object B: TB\n  end\n  X = 1\nend\n"), "'end' expected on line 4");
  EXPECT_EQ(ErrorOf("X = 1\n"), "'object' expected on line 1");
  EXPECT_EQ(ErrorOf("object A: TA\nend\nobject B: TB\nend\n"), "End of file expected on line 3");
  EXPECT_EQ(ErrorOf("object A: TA\n  X = #\nend\n"), "Invalid string constant on line 2");
  EXPECT_EQ(ErrorOf("object A: TA\n  X = #1114112\nend\n"), "Invalid string constant on line 2");
  EXPECT_EQ(ErrorOf("object A: TA\n  X = 12abc\nend\n"), "Invalid numeric value on line 2");
  EXPECT_EQ(ErrorOf("object A: TA\n  X = 1e999\nend\n"), "Invalid floating-point value on line 2");
  EXPECT_EQ(ErrorOf("object A: TA\n  X.\nend\n"), "Identifier expected on line 2");
}

TEST(DescParserTest, IntegersOutsideSixtyFourBitsAreErrors) {
  EXPECT_EQ(Parse("object A: TA\n X = 9223372036854775807\nend").props[0].value.integer, INT64_MAX);
  EXPECT_EQ(Parse("object A: TA\n X = -9223372036854775808\nend").props[0].value.integer, INT64_MIN);
  EXPECT_EQ(Parse("object A: TA\n X = $FFFFFFFFFFFFFFFF\nend").props[0].value.integer, -1);
  EXPECT_EQ(ErrorOf("object A: TA\n X = 9223372036854775808\nend"), "Integer out of range on line 2");
  EXPECT_EQ(ErrorOf("object A: TA\n X = -9223372036854775809\nend"), "Integer out of range on line 2");
  EXPECT_EQ(ErrorOf("object A: TA\n X = $10000000000000000\nend"), "Integer out of range on line 2");
  EXPECT_EQ(ErrorOf("object A: TA\n X = " + std::string(5000, '9') + "\nend"),
            "Integer out of range on line 2");
  EXPECT_EQ(ErrorOf("object A: TA [2147483648]\nend"), "Invalid numeric value on line 1");
}

TEST(DescParserTest, TruncatedInputFailsCleanly) {
  const std::string full =
      "object A: TA\r\n  S = 'x'#13 +\r\n    'y'\r\n  L = (\r\n    1)\r\n  C = <\r\n    item\r\n"
      "      B = {00FF}\r\n    end>\r\n  T = [a, b]\r\n  object B: TB [1]\r\n  end\r\nend\r\n";
  ASSERT_EQ(ErrorOf(full), "");
  for (size_t n = 0; n + 2 < full.size(); ++n) {
    std::string msg = ErrorOf(full.substr(0, n));
    EXPECT_FALSE(msg.empty()) << "prefix of " << n << " bytes parsed";
  }
  EXPECT_EQ(ErrorOf(""), "Unexpected end of file on line 1");
  EXPECT_EQ(ErrorOf("object A: TA\n  L = (\n    1\n"), "Unexpected end of file on line 4");
}

TEST(DescParserTest, HostileBytesAreErrors) {
  const std::string nul(1, '\0');
  EXPECT_EQ(ErrorOf("object A: TA\n  X = 1" + nul + "\nend\n"), "Identifier expected on line 2");
  EXPECT_EQ(ErrorOf("object A: TA\n  X = 'a" + nul + "b'\nend\n"), "Invalid string constant on line 2");
  EXPECT_EQ(ErrorOf("object A: TA\n  \xFF\xFE = 1\nend\n"), "Identifier expected on line 2");
  EXPECT_EQ(ErrorOf("object A: TA\nend\n\xEF\xBB\xBF"), "End of file expected on line 3");
  EXPECT_EQ(ErrorOf("\xEF\xBB\xBFobject A: TA\nend\n"), "");  // a leading byte-order mark is allowed
  EXPECT_EQ(ErrorOf(std::string(100000, '(')), "'object' expected on line 1");
}

TEST(DescParserTest, NestingIsLimited) {
  auto lists = [](int depth) {
    return "object A: TA\n  X = " + std::string(depth, '(') + std::string(depth, ')') + "\nend\n";
  };
  EXPECT_EQ(ErrorOf(lists(kMaxNesting - 1)), "");
  EXPECT_EQ(ErrorOf(lists(kMaxNesting)), "Nesting too deep on line 2");
  EXPECT_EQ(ErrorOf(lists(1000000)), "Nesting too deep on line 2");

  std::string objects;
  for (int i = 0; i < 200; ++i) objects += "object A: TA\n";
  EXPECT_EQ(ErrorOf(objects), "Nesting too deep on line 101");

  std::string items = "object A: TA\n";
  for (int i = 0; i < 200; ++i) items += "X = < item\n";
  EXPECT_EQ(ErrorOf(items), "Nesting too deep on line 101");
}

}  // namespace
}  // namespace fw::desc
