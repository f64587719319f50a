#include "store/entries/section_lines.h"

#include "framework/core/text_util.h"

namespace gv::store {

bool SplitEntry(std::string_view line, EntryParts& parts) {
  const size_t eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  parts.key = line.substr(0, eq);
  parts.value = line.substr(eq + 1);
  return true;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

void PutSectionLine(std::vector<std::string>& lines, std::string_view key, std::string_view value) {
  for (auto it = lines.begin(); it != lines.end(); ++it) {
    EntryParts parts;
    if (!SplitEntry(*it, parts) || !fw::SameText(parts.key, key)) continue;
    if (value.empty()) {
      lines.erase(it);
    } else {
      it->replace(parts.key.size() + 1, std::string::npos, value);
    }
    return;
  }
  if (!value.empty()) lines.push_back(std::string(key) + "=" + std::string(value));
}

std::string QuoteProfileValue(std::string_view value) {
  if (!value.empty() && value.front() == '\'') return "'" + std::string(value) + "'";
  return std::string(value);
}

std::string_view UnquoteProfileValue(std::string_view value) {
  value = TrimBlanks(value);
  if (value.size() >= 2 && (value.front() == '\'' || value.front() == '"') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace gv::store
