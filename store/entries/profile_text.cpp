#include "store/entries/profile_text.h"

#include "framework/core/text_util.h"
#include "store/entries/section_lines.h"

namespace gv::store {

namespace {

// The characters that the profile functions take off names and values.
bool IsProfileBlank(char c) { return (c >= '\t' && c <= '\r') || c == '\x1a' || c == ' '; }

std::string_view TrimProfileBlanks(std::string_view text) {
  while (!text.empty() && IsProfileBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsProfileBlank(text.back())) text.remove_suffix(1);
  return text;
}

// One line of the text, without its line end; end is where the next line starts.
struct Line {
  size_t start;
  size_t end;
  std::string_view text;
};

Line LineAt(std::string_view text, size_t start) {
  const size_t lf = text.find('\n', start);
  const size_t end = lf == std::string_view::npos ? text.size() : lf + 1;
  std::string_view line = text.substr(start, end - start);
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  return {start, end, line};
}

// The name of a section header line ("[name]", blanks allowed around it); false for other lines.
bool HeaderName(std::string_view line, std::string_view& name) {
  line = TrimProfileBlanks(line);
  if (line.empty() || line.front() != '[') return false;
  const size_t close = line.rfind(']');
  name = TrimProfileBlanks(line.substr(1, (close == std::string_view::npos ? line.size() : close) - 1));
  return true;
}

// The section as the profile functions write it; nothing for a section without lines.
std::string SectionText(const SectionLines& section) {
  const std::vector<std::string> lines = ProfileLines(section.lines);
  if (lines.empty()) return std::string();
  std::string text = "[" + section.name + "]\r\n";
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// The index of the section called name, or sections.size().
size_t Find(const std::vector<SectionLines>& sections, std::string_view name) {
  size_t i = 0;
  while (i < sections.size() && !fw::SameText(TrimProfileBlanks(sections[i].name), name)) ++i;
  return i;
}

}  // namespace

std::vector<std::string> ProfileLines(const std::vector<std::string>& entries) {
  std::vector<std::string> lines;
  for (const std::string& entry : entries) {
    EntryParts parts;
    if (!SplitEntry(entry, parts)) continue;
    const std::string_view key = TrimProfileBlanks(parts.key);
    const std::string value = QuoteProfileValue(parts.value);
    if (!key.empty()) PutSectionLine(lines, key, TrimProfileBlanks(value));
  }
  return lines;
}

std::string ReplaceSections(std::string_view text, const std::vector<SectionLines>& sections) {
  std::string out;
  std::vector<bool> written(sections.size());
  bool replacing = false;  // passing over the old lines of a replaced section
  for (size_t at = 0; at < text.size();) {
    const Line line = LineAt(text, at);
    at = line.end;
    std::string_view name;
    if (HeaderName(line.text, name)) {
      const size_t i = Find(sections, name);
      replacing = i < sections.size();
      if (replacing && !written[i]) {
        out += SectionText(sections[i]);
        written[i] = true;
      }
      if (replacing) continue;
    }
    // Of a replaced section's old lines only the blank ones stay, to part it from the next.
    if (!replacing || TrimProfileBlanks(line.text).empty())
      out.append(text.substr(line.start, line.end - line.start));
  }
  for (size_t i = 0; i < sections.size(); ++i) {
    const std::string added = written[i] ? std::string() : SectionText(sections[i]);
    if (added.empty()) continue;
    if (!out.empty() && out.back() != '\n') out += "\r\n";
    out += added;
  }
  return out;
}

}  // namespace gv::store
