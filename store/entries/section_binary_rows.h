// Binary property data kept as a file of sections: one section per property, the rows under the
// keys "I0", "I1", ... in order. A save's sections go to the file together, in one write.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "store/storage_interfaces.h"

namespace gv::store {

class SectionBinaryRows : public BinaryRows {
 public:
  // sections must outlive this object.
  SectionBinaryRows(SectionBackEnd& sections, std::string file)
      : sections_(sections), file_(std::move(file)) {}

  void WriteRows(const std::string& section, const std::vector<std::string>& rows) override;
  void Commit() override;
  std::vector<std::string> ReadRows(const std::string& section) override;

 private:
  SectionBackEnd& sections_;
  std::string file_;
  std::vector<SectionLines> pending_;
};

}  // namespace gv::store
