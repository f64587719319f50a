// formcheck FILE: parses a description file and prints its canonical text, or the first syntax
// error as "FILE: <message>" on stderr (exit 1).
// formcheck --check FILE...: only checks every file; prints nothing for good files.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

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

// Parses one file; on failure reports it and returns false. The canonical text goes to `text`.
bool CheckFile(const char* path, std::string* text) {
  std::string data;
  if (!ReadFile(path, data)) {
    std::fprintf(stderr, "%s: cannot read file: %s\n", path, std::strerror(errno));
    return false;
  }
  try {
    fw::desc::Object root = fw::desc::Parse(data);
    if (text) *text = fw::desc::Write(root);
    return true;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", path, e.what());
    return false;
  }
}

int Usage() {
  std::fprintf(stderr, "usage: formcheck FILE\n       formcheck --check FILE...\n");
  return 2;
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
  if (argc != 2) return Usage();
  std::string text;
  if (!CheckFile(argv[1], &text)) return 1;
  std::fwrite(text.data(), 1, text.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
