// Round trip over real form files written by other programs (kept beside the repository).
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/core/desc_parser.h"
#include "framework/core/desc_writer.h"
#include "framework/core/error.h"
#include "tests/support/file_bytes.h"

namespace fw::desc {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> CorpusFiles() {
  std::vector<fs::path> files;
  fs::path dir = fs::path(GORVALE_SOURCE_DIR) / ".." / "shared" / "corpus" / "forms";
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) return files;
  for (const auto& entry : fs::recursive_directory_iterator(dir, ec)) {
    std::string ext = entry.path().extension().string();
    if (entry.is_regular_file() && (ext == ".dfm" || ext == ".lfm")) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// Object header lines: a check that the writer neither drops nor invents components.
size_t CountHeaders(const std::string& text) {
  size_t count = 0;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos) continue;
    for (const char* word : {"object ", "inherited ", "inline "})
      if (line.compare(start, std::strlen(word), word) == 0) ++count;
  }
  return count;
}

TEST(DescCorpusTest, EveryFileParsesAndReachesTheFixedPoint) {
  const std::vector<fs::path> files = CorpusFiles();
  if (files.empty()) GTEST_SKIP() << "form corpus not found beside the repository";

  size_t parsed = 0;
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.filename().string());
    const std::string source = gv::test::ReadFileBytes(file.string());
    std::string canonical;
    try {
      canonical = Write(Parse(source));
    } catch (const ParseError& e) {
      ADD_FAILURE() << e.what();
      continue;
    }
    ++parsed;
    EXPECT_EQ(Write(Parse(canonical)), canonical);
    EXPECT_EQ(CountHeaders(canonical), CountHeaders(source));
  }
  EXPECT_EQ(parsed, files.size());
  RecordProperty("files", static_cast<int>(files.size()));
  RecordProperty("parsed", static_cast<int>(parsed));
}

// A file already in canonical form (CR LF, no continued strings, no "#nnnn" codes) comes back
// byte for byte.
TEST(DescCorpusTest, CanonicalFilesComeBackUnchanged) {
  const std::vector<fs::path> files = CorpusFiles();
  if (files.empty()) GTEST_SKIP() << "form corpus not found beside the repository";

  size_t identical = 0;
  for (const fs::path& file : files) {
    const std::string source = gv::test::ReadFileBytes(file.string());
    const std::string canonical = Write(Parse(source));
    if (canonical == source) ++identical;
  }
  // Measured on the corpus as it is; a drop means the writer changed lines it should keep.
  EXPECT_GE(identical, 80u);
}

}  // namespace
}  // namespace fw::desc
