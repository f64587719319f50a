// Sections of a profile file, through GetPrivateProfileSectionA and WritePrivateProfileStringA.
// A bare file name lands where those functions put it (the Windows directory).
#pragma once

#include <string>
#include <vector>

#include "store/storage_interfaces.h"

namespace gv::store {

class IniSection : public SectionBackEnd {
 public:
  // The key=value lines in file order; values come back as the profile functions give them, with
  // one pair of enclosing quotes removed. Key names and values of any length are read whole.
  std::vector<std::string> ReadSection(const std::string& file, const std::string& section) override;

  // Erases the section and writes every line; a value that begins with a single quote gets one
  // more at each end so that it reads back unchanged. Throws fw::Error("Unable to write to <file>").
  void WriteSection(const std::string& file, const std::string& section,
                    const std::vector<std::string>& lines) override;
};

}  // namespace gv::store
