// The compiled binary form of descriptions: the same tree back for our forms, the form corpus
// and every kind of value; damaged data refused with an error, never read out of bounds.
#include "framework/core/desc_binary.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "framework/core/desc_parser.h"
#include "framework/core/desc_writer.h"
#include "framework/core/error.h"
#include "tests/support/file_bytes.h"

namespace fw::desc {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> DescriptionFiles() {
  std::vector<fs::path> files;
  const fs::path root(GORVALE_SOURCE_DIR);
  std::error_code ec;
  for (const fs::path& dir : {root / "forms", root / ".." / "shared" / "corpus" / "forms"}) {
    if (!fs::is_directory(dir, ec)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(dir, ec)) {
      const std::string ext = entry.path().extension().string();
      if (entry.is_regular_file() && (ext == ".form" || ext == ".dfm" || ext == ".lfm"))
        files.push_back(entry.path());
    }
  }
  return files;
}

Object Sample() {
  Object root;
  root.name = "Form1";
  root.className = "TForm1";
  root.props = {
      {"Big", MakeInteger(INT64_MAX)},
      {"Small", MakeInteger(INT64_MIN)},
      {"Minus", MakeInteger(-1)},
      {"Ratio", MakeFloat(-0.0)},
      {"Tiny", MakeFloat(DBL_TRUE_MIN)},
      {"Caption", MakeString("")},
      {"Hint", MakeString(std::string("a\0b'\xE9", 5))},
      {"Align", MakeIdent("alClient")},
      {"Style", MakeSet({})},
      {"Anchors", MakeSet({"akLeft", "akTop"})},
      {"Items.Strings", MakeList({MakeString("x"), MakeInteger(3), MakeList({}), MakeIdent("y")})},
      {"Data", MakeBinary(std::string("\0\xFF\x01", 3))},
      {"Empty", MakeBinary("")},
      {"Columns",
       MakeCollection({Item{}, Item{{{"Width", MakeInteger(64)}, {"Inner", MakeCollection({})}}}})},
  };
  Object child;
  child.kind = Object::Kind::Inherited;
  child.className = "TPage";
  child.index = 3;
  Object grandchild;
  grandchild.kind = Object::Kind::Inline;
  grandchild.name = "Frame1";
  grandchild.className = "TFrame1";
  child.children.push_back(grandchild);
  Object second;
  second.className = "TPanel";
  root.children = {child, second};
  return root;
}

TEST(DescBinaryTest, KeepsEveryKindOfValue) {
  const Object root = Sample();
  const std::string data = WriteBinary(root);
  EXPECT_TRUE(IsBinary(data));
  const Object back = ReadBinary(data);
  EXPECT_EQ(Write(back), Write(root));
  EXPECT_EQ(back.props[6].value.text, std::string("a\0b'\xE9", 5));
  EXPECT_TRUE(std::signbit(back.props[3].value.real));
  EXPECT_EQ(back.children[0].index, 3);
  EXPECT_EQ(back.children[0].kind, Object::Kind::Inherited);
  EXPECT_EQ(back.children[0].children[0].kind, Object::Kind::Inline);
  EXPECT_EQ(back.children[1].index, -1);
  // Parse takes either form.
  EXPECT_EQ(Write(Parse(data)), Write(root));
}

TEST(DescBinaryTest, FormsAndCorpusComeBackTheSameAndSmaller) {
  size_t forms = 0;
  for (const fs::path& file : DescriptionFiles()) {
    SCOPED_TRACE(file.string());
    const std::string text = gv::test::ReadFileBytes(file.string());
    Object tree;
    try {
      tree = Parse(text);
    } catch (const ParseError&) {
      continue;  // the corpus holds some files the parser refuses; desc_corpus_test looks at those
    }
    const std::string data = WriteBinary(tree);
    EXPECT_EQ(Write(ReadBinary(data)), Write(tree));
    EXPECT_LT(data.size(), text.size());
    if (file.extension() == ".form") {
      EXPECT_LT(data.size(), text.size() * 45 / 100);  // what the program gains
      ++forms;
    }
  }
  EXPECT_EQ(forms, 3u);
}

TEST(DescBinaryTest, DamagedDataIsRefused) {
  const std::string data = WriteBinary(Sample());
  // Every truncation, and trailing bytes.
  for (size_t n = 0; n < data.size(); ++n) EXPECT_THROW(ReadBinary(data.substr(0, n)), Error) << n;
  EXPECT_THROW(ReadBinary(data + '\0'), Error);
  // Any byte changed: an error or some tree, never a read past the end (the sanitizers watch).
  std::mt19937 random(11);
  for (int i = 0; i < 3000; ++i) {
    std::string bad = data;
    bad[kBinarySignature.size() + random() % (bad.size() - kBinarySignature.size())] =
        static_cast<char>(random());
    try {
      ReadBinary(bad);
    } catch (const Error&) {
    }
  }
  // A string index past the table, a huge count, an unknown value type.
  std::string noTable(kBinarySignature);
  noTable += std::string("\x00\x00\x05", 3);
  EXPECT_THROW(ReadBinary(noTable), Error);
  EXPECT_THROW(ReadBinary(std::string(kBinarySignature) + "\xFF\xFF\xFF\xFF\x0F"), Error);
  std::string badType(kBinarySignature);
  badType += std::string("\x01\x01x\x00\x00\x00\x00\x01\x00\x09", 10);
  EXPECT_THROW(ReadBinary(badType), Error);
}

TEST(DescBinaryTest, NestingIsLimitedAsInText) {
  auto nested = [](int depth) {
    Value v = MakeList({});
    for (int i = 1; i < depth; ++i) v = MakeList({v});
    Object root;
    root.className = "T";
    root.props.push_back({"L", v});
    return WriteBinary(root);
  };
  EXPECT_NO_THROW(ReadBinary(nested(kMaxNesting - 1)));
  EXPECT_THROW(ReadBinary(nested(kMaxNesting)), Error);
}

}  // namespace
}  // namespace fw::desc
