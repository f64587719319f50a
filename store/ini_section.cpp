#include "store/ini_section.h"

#include <windows.h>

#include "framework/core/error.h"
#include "store/section_lines.h"

namespace store {

namespace {

constexpr DWORD kNamesBufferSize = 8192;
constexpr DWORD kValueBufferSize = 1024;
// Past this a profile file is not one of ours; stop growing rather than exhaust memory.
constexpr DWORD kMaxBufferSize = 64u << 20;

// The key names of a section in file order. When the names do not fit, the function returns the
// buffer size less two; the buffer then grows until they do.
std::vector<std::string> KeyNames(const std::string& file, const std::string& section) {
  std::vector<char> buffer(kNamesBufferSize);
  DWORD length = 0;
  for (;;) {
    length = GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer.data(),
                                      static_cast<DWORD>(buffer.size()), file.c_str());
    if (length + 2 < buffer.size() || buffer.size() >= kMaxBufferSize) break;
    buffer.resize(buffer.size() * 2);
  }
  std::vector<std::string> names;
  for (DWORD start = 0; start < length;) {
    const std::string name(buffer.data() + start);
    if (name.empty()) break;
    start += static_cast<DWORD>(name.size()) + 1;
    names.push_back(name);
  }
  return names;
}

// The value of a key; a value that fills the buffer (the function returns its size less one) is
// read again into a larger one.
std::string KeyValue(const std::string& file, const std::string& section, const std::string& key) {
  std::vector<char> buffer(kValueBufferSize);
  for (;;) {
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), file.c_str());
    if (length + 1 < buffer.size() || buffer.size() >= kMaxBufferSize)
      return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

void Write(const std::string& file, const std::string& section, const char* key, const char* value) {
  if (!WritePrivateProfileStringA(section.c_str(), key, value, file.c_str())) {
    throw fw::Error("Unable to write to " + file);
  }
}

}  // namespace

std::vector<std::string> IniSection::ReadSection(const std::string& file, const std::string& section) {
  std::vector<std::string> lines;
  for (const std::string& key : KeyNames(file, section))
    PutSectionLine(lines, key, KeyValue(file, section, key));
  return lines;
}

void IniSection::WriteSection(const std::string& file, const std::string& section,
                              const std::vector<std::string>& lines) {
  Write(file, section, nullptr, nullptr);
  for (const std::string& line : lines) {
    EntryParts parts;
    if (!SplitEntry(line, parts) || parts.key.empty()) continue;
    Write(file, section, std::string(parts.key).c_str(), QuoteProfileValue(parts.value).c_str());
  }
}

}  // namespace store
