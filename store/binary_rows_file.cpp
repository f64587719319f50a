#include "store/binary_rows_file.h"

namespace gv::store {

void BinaryRowsFile::WriteRows(const std::string& section, const std::vector<std::string>& rows) {
  rows_.WriteRows(section, rows);
}

std::vector<std::string> BinaryRowsFile::ReadRows(const std::string& section) {
  return rows_.ReadRows(section);
}

}  // namespace gv::store
