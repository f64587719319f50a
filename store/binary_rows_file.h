// The binary-data file: a profile file with one section per binary property, its rows under the
// keys "I0", "I1", ... in order.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "store/ini_section.h"
#include "store/section_binary_rows.h"

namespace gv::store {

class BinaryRowsFile : public BinaryRows {
 public:
  explicit BinaryRowsFile(std::string file) : rows_(sections_, std::move(file)) {}

  // Throws fw::Error("Unable to write to <file>").
  void WriteRows(const std::string& section, const std::vector<std::string>& rows) override;
  std::vector<std::string> ReadRows(const std::string& section) override;

 private:
  IniSection sections_;
  SectionBinaryRows rows_;
};

}  // namespace gv::store
