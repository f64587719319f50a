// What the settings store needs of its storage: a place for sections of key=value lines (a
// profile file or a registry key) and a place for the rows of binary property data.
#pragma once

#include <string>
#include <vector>

namespace gv::store {

// Sections of key=value lines. Keys are compared without regard to case; reading keeps the order
// in which the keys stand, returns no line with an empty value and no line without "=".
class SectionBackEnd {
 public:
  virtual ~SectionBackEnd() = default;
  // A missing file or section reads as an empty list.
  virtual std::vector<std::string> ReadSection(const std::string& file, const std::string& section) = 0;
  // Erases the section, then writes every line that has a "=" in order. Throws fw::Error on failure.
  virtual void WriteSection(const std::string& file, const std::string& section,
                            const std::vector<std::string>& lines) = 0;
};

// Rows of hexadecimal digits of binary property data, one section per property.
class BinaryRows {
 public:
  virtual ~BinaryRows() = default;
  // Replaces the section with the rows, in order.
  virtual void WriteRows(const std::string& section, const std::vector<std::string>& rows) = 0;
  // The rows of the section in order; empty when it is missing.
  virtual std::vector<std::string> ReadRows(const std::string& section) = 0;
};

}  // namespace gv::store
