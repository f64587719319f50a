#include "store/ini_section.h"

#include <windows.h>

#include <algorithm>

#include "framework/core/error.h"
#include "framework/core/text_util.h"
#include "store/section_lines.h"

namespace gv::store {

namespace {

constexpr DWORD kSectionBufferSize = 16384;
// Past this a profile file is not one of ours; stop growing rather than exhaust memory.
constexpr DWORD kMaxBufferSize = 64u << 20;

// The section's entries as the profile functions list them: "key=value" strings separated by
// nulls. When they do not fit, the function returns the buffer size less two; the buffer then
// grows until they do.
std::string SectionText(const std::string& file, const std::string& section) {
  std::string buffer(kSectionBufferSize, '\0');
  for (;;) {
    const DWORD length = GetPrivateProfileSectionA(section.c_str(), buffer.data(),
                                                   static_cast<DWORD>(buffer.size()), file.c_str());
    if (length + 2 < buffer.size() || buffer.size() >= kMaxBufferSize) {
      buffer.resize(std::min<size_t>(length, buffer.size()));
      return buffer;
    }
    buffer.resize(buffer.size() * 2);
  }
}

void Write(const std::string& file, const std::string& section, const char* key, const char* value) {
  if (!WritePrivateProfileStringA(section.c_str(), key, value, file.c_str())) {
    throw fw::Error("Unable to write to " + file);
  }
}

}  // namespace

// One read of the whole section, not one per key: the profile functions look at the file again
// on every call, which under Wine costs a fifth of a millisecond a key. The lines come out as
// reading key by key gives them: the first of keys that differ only in case, values without their
// enclosing blanks and quotes, and nothing for an empty value or a line without a name.
std::vector<std::string> IniSection::ReadSection(const std::string& file, const std::string& section) {
  const std::string text = SectionText(file, section);
  std::vector<std::string> lines;
  std::vector<std::string_view> keys;
  for (size_t start = 0; start < text.size();) {
    const size_t end = std::min(text.find('\0', start), text.size());
    const std::string_view entry(text.data() + start, end - start);
    start = end + 1;
    EntryParts parts{entry, {}};
    SplitEntry(entry, parts);
    const std::string_view key = TrimBlanks(parts.key);
    if (key.empty()) continue;
    if (std::any_of(keys.begin(), keys.end(), [key](std::string_view k) { return fw::SameText(k, key); }))
      continue;
    keys.push_back(key);
    const std::string_view value = UnquoteProfileValue(parts.value);
    if (!value.empty()) lines.push_back(std::string(key) + "=" + std::string(value));
  }
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

}  // namespace gv::store
