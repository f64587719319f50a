#include "store/section_binary_rows.h"

namespace gv::store {

void SectionBinaryRows::WriteRows(const std::string& section, const std::vector<std::string>& rows) {
  std::vector<std::string> lines;
  lines.reserve(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) lines.push_back("I" + std::to_string(i) + "=" + rows[i]);
  sections_.WriteSection(file_, section, lines);
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
