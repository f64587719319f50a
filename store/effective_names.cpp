#include "store/effective_names.h"

namespace gv::store {

namespace {

// Position just past the directory part (0 when there is none).
size_t FileNameStart(std::string_view path) {
  const size_t sep = path.find_last_of("\\:");
  return sep == std::string_view::npos ? 0 : sep + 1;
}

// The name without its directory part.
std::string ExtractFileName(std::string_view path) { return std::string(path.substr(FileNameStart(path))); }

// The extension (from the last "." of the file name part) replaced by ext, or ext appended.
std::string ChangeFileExt(std::string_view path, std::string_view ext) {
  const size_t dot = path.find_last_of('.');
  const bool hasExt = dot != std::string_view::npos && dot >= FileNameStart(path);
  return std::string(hasExt ? path.substr(0, dot) : path) + std::string(ext);
}

}  // namespace

std::string DefaultIniFileName(std::string_view program, bool registry) {
  const std::string name = ExtractFileName(program);
  if (registry) return "Software\\" + ChangeFileExt(name, "");
  return ChangeFileExt(name, ".INI");
}

std::string DefaultBinaryFileName(std::string_view program) {
  return ChangeFileExt(ExtractFileName(program), ".BIN");
}

}  // namespace gv::store
