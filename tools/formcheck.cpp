// formcheck FILE: parses a description file and prints its canonical text, or the first syntax
// error as "FILE: <message>" on stderr (exit 1).
// formcheck --check FILE...: only checks every file; prints nothing for good files.
// formcheck --compile FILE OUT: writes the description's compact binary form (desc_binary.h),
// which the program carries in place of the text.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "framework/core/desc_binary.h"
#include "framework/core/desc_parser.h"
#include "framework/core/desc_writer.h"

namespace {

bool ReadFile(const char* path, std::string& out) {
  std::FILE* f = std::fopen(path, "rb");
  if (!f) return false;
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
  bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}

// Parses one file; on failure reports it and returns false. The canonical text goes to `text`,
// or the binary form when `binary` is set.
bool CheckFile(const char* path, std::string* text, bool binary = false) {
  std::string data;
  if (!ReadFile(path, data)) {
    std::fprintf(stderr, "%s: cannot read file: %s\n", path, std::strerror(errno));
    return false;
  }
  try {
    fw::desc::Object root = fw::desc::Parse(data);
    if (text) *text = binary ? fw::desc::WriteBinary(root) : fw::desc::Write(root);
    return true;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", path, e.what());
    return false;
  }
}

int Usage() {
  std::fprintf(
      stderr,
      "usage: formcheck FILE\n       formcheck --check FILE...\n       formcheck --compile FILE OUT\n");
  return 2;
}

int Compile(const char* path, const char* outPath) {
  std::string data;
  if (!CheckFile(path, &data, true)) return 1;
  std::FILE* out = std::fopen(outPath, "wb");
  bool ok = out && std::fwrite(data.data(), 1, data.size(), out) == data.size();
  if (out && std::fclose(out) != 0) ok = false;
  if (!ok) {
    std::fprintf(stderr, "%s: cannot write file: %s\n", outPath, std::strerror(errno));
    std::remove(outPath);
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "--check") == 0) {
    if (argc < 3) return Usage();
    int status = 0;
    for (int i = 2; i < argc; ++i)
      if (!CheckFile(argv[i], nullptr)) status = 1;
    return status;
  }
  if (argc >= 2 && std::strcmp(argv[1], "--compile") == 0)
    return argc == 4 ? Compile(argv[2], argv[3]) : Usage();
  if (argc != 2) return Usage();
  std::string text;
  if (!CheckFile(argv[1], &text)) return 1;
  std::fwrite(text.data(), 1, text.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
