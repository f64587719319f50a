#include "store/entries/section_binary_rows.h"

namespace gv::store {

void SectionBinaryRows::WriteRows(const std::string& section, const std::vector<std::string>& rows) {
  SectionLines lines{section, {}};
  lines.lines.reserve(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) lines.lines.push_back("I" + std::to_string(i) + "=" + rows[i]);
  pending_.push_back(std::move(lines));
}

void SectionBinaryRows::Commit() {
  if (pending_.empty()) return;
  std::vector<SectionLines> sections;
  sections.swap(pending_);
  sections_.WriteSections(file_, sections);
}

std::vector<std::string> SectionBinaryRows::ReadRows(const std::string& section) {
  std::vector<std::string> rows;
  for (const std::string& line : sections_.ReadSection(file_, section)) {
    const size_t eq = line.find('=');
    if (eq != std::string::npos) rows.push_back(line.substr(eq + 1));
  }
  return rows;
}

}  // namespace gv::store
