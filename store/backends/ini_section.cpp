#include "store/backends/ini_section.h"

#include <windows.h>

#include <algorithm>

#include "framework/core/error.h"
#include "framework/core/text_util.h"
#include "store/backends/whole_file.h"
#include "store/entries/profile_text.h"
#include "store/entries/section_lines.h"

namespace gv::store {

namespace {

// The section's entries as the profile functions list them: "key=value" strings separated by
// nulls. They are never longer than the file they come from; the room to spare is for a file
// that another program makes longer between the two reads.
std::string SectionText(const std::string& file, const std::string& section, size_t fileSize) {
  std::string buffer(2 * fileSize + 4096, '\0');
  const DWORD length = GetPrivateProfileSectionA(section.c_str(), buffer.data(),
                                                 static_cast<DWORD>(buffer.size()), file.c_str());
  buffer.resize(std::min<size_t>(length, buffer.size()));
  return buffer;
}

// Where the profile functions look for the file: a bare name in the Windows directory, any other
// name as it stands.
std::string ProfilePath(const std::string& file) {
  if (file.find_first_of("\\/:") != std::string::npos) return file;
  char dir[MAX_PATH];
  const UINT n = GetWindowsDirectoryA(dir, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return file;
  return std::string(dir, n) + (dir[n - 1] == '\\' ? "" : "\\") + file;
}

}  // namespace

// One read of the whole section, not one per key: the profile functions look at the file again
// on every call, which under Wine costs a fifth of a millisecond a key. The lines come out as
// reading key by key gives them: the first of keys that differ only in case, values without their
// enclosing blanks and quotes, and nothing for an empty value or a line without a name.
// A file that is there but cannot be read would read as empty; it is told apart first.
std::vector<std::string> IniSection::ReadSection(const std::string& file, const std::string& section,
                                                 std::vector<SkippedEntry>&) {
  const std::string path = ProfilePath(file);
  const WholeFile whole = ReadWholeFile(path);
  if (whole.state == WholeFile::State::kUnreadable)
    throw UnreadableFile(path + " cannot be read (" + SystemErrorText(whole.error) + ")");
  if (whole.state == WholeFile::State::kMissing) return {};
  const std::string text = SectionText(file, section, whole.bytes.size());
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
  WriteSections(file, {SectionLines{section, lines}});
}

// The whole file is built and replaced in one step; a file that would come out as it is stays
// untouched.
void IniSection::WriteSections(const std::string& file, const std::vector<SectionLines>& sections) {
  const std::string path = ProfilePath(file);
  const WholeFile old = ReadWholeFile(path);
  if (old.state == WholeFile::State::kUnreadable) throw fw::Error("Unable to write to " + file);
  const std::string text = ReplaceSections(old.bytes, sections);
  if (text == old.bytes && (old.state == WholeFile::State::kRead || text.empty())) return;
  if (!ReplaceWholeFile(path, text)) throw fw::Error("Unable to write to " + file);
}

}  // namespace gv::store
