#include "store/native_stand_ins/memory_sections.h"

#include "framework/core/error.h"
#include "framework/core/text_util.h"
#include "store/entries/section_lines.h"

namespace gv::store {

size_t MemorySections::IndexOf(const std::string& file, const std::string& section) const {
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (fw::SameText(sections_[i].file, file) && fw::SameText(sections_[i].name, section)) return i;
  }
  return sections_.size();
}

const MemorySections::Section* MemorySections::Find(const std::string& file,
                                                    const std::string& section) const {
  const size_t i = IndexOf(file, section);
  return i < sections_.size() ? &sections_[i] : nullptr;
}

MemorySections::Section& MemorySections::FindOrAdd(const std::string& file, const std::string& section) {
  const size_t i = IndexOf(file, section);
  if (i < sections_.size()) return sections_[i];
  sections_.push_back(Section{file, section, {}});
  return sections_.back();
}

std::vector<std::string> MemorySections::ReadSection(const std::string& file, const std::string& section,
                                                     std::vector<SkippedEntry>&) {
  ++reads_;
  if (!failReads_.empty()) throw UnreadableFile(file + " cannot be read (" + failReads_ + ")");
  std::vector<std::string> lines;
  if (const Section* s = Find(file, section)) {
    for (const auto& [key, value] : s->pairs) {
      PutSectionLine(lines, key, quoting_ == Quoting::kProfile ? UnquoteProfileValue(value) : value);
    }
  }
  return lines;
}

void MemorySections::WriteSection(const std::string& file, const std::string& section,
                                  const std::vector<std::string>& lines) {
  ++writes_;
  if (failWrites_) throw fw::Error("Unable to write to " + file);
  FindOrAdd(file, section).pairs.clear();
  for (const std::string& line : lines) {
    EntryParts parts;
    if (!SplitEntry(line, parts)) continue;
    PutStoredLine(file, section, std::string(parts.key),
                  quoting_ == Quoting::kProfile ? QuoteProfileValue(parts.value) : std::string(parts.value));
  }
}

std::vector<std::string> MemorySections::StoredLines(const std::string& file,
                                                     const std::string& section) const {
  std::vector<std::string> lines;
  if (const Section* s = Find(file, section)) {
    for (const auto& [key, value] : s->pairs) lines.push_back(key + "=" + value);
  }
  return lines;
}

void MemorySections::PutStoredLine(const std::string& file, const std::string& section,
                                   const std::string& key, const std::string& value) {
  // The profile functions drop the blanks around keys and values; the registry keeps them.
  const bool profile = quoting_ == Quoting::kProfile;
  const std::string name = profile ? std::string(TrimBlanks(key)) : key;
  const std::string text = profile ? std::string(TrimBlanks(value)) : value;
  Pairs& pairs = FindOrAdd(file, section).pairs;
  for (auto& pair : pairs) {
    if (fw::SameText(pair.first, name)) {
      pair.second = text;
      return;
    }
  }
  pairs.emplace_back(name, text);
}

}  // namespace gv::store
