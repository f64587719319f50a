// Sections kept in the registry: the file name is a key path under HKEY_CURRENT_USER, the section
// a subkey of it, each line a string value named by its key. Values are stored as they are.
#pragma once

#include <string>
#include <vector>

#include "store/storage_interfaces.h"

namespace gv::store {

class RegistrySection : public SectionBackEnd {
 public:
  // The values of the subkey in the registry's order. A value that is not a string is left out
  // and added to unread ("Invalid data type"). Throws fw::Error for a value that cannot be read
  // ("Failed to get data for '<name>'"). A missing subkey reads as an empty list; the key path is
  // created if missing.
  using SectionBackEnd::ReadSection;
  std::vector<std::string> ReadSection(const std::string& file, const std::string& section,
                                       std::vector<SkippedEntry>& unread) override;

  // Deletes the subkey with everything below it, then writes every line. Throws fw::Error
  // ("Failed to create key <section>", "Failed to set data for '<key>'").
  void WriteSection(const std::string& file, const std::string& section,
                    const std::vector<std::string>& lines) override;
};

}  // namespace gv::store
