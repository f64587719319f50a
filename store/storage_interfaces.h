// What the settings store needs of its storage: a place for sections of key=value lines (a
// profile file or a registry key) and a place for the rows of binary property data.
#pragma once

#include <string>
#include <vector>

#include "framework/core/error.h"

namespace gv::store {

// An entry that was left out, and why ("Invalid property value").
struct SkippedEntry {
  std::string key;
  std::string reason;
};

// One section's lines, for writing several sections of a file in one step.
struct SectionLines {
  std::string name;
  std::vector<std::string> lines;
};

// A settings file that is there but cannot be read: held open by another program without
// sharing, or closed to this user. Not the same as an empty file. The message names the file and
// the reason ("C:\WINDOWS\Zelt.ini cannot be read (...)").
class UnreadableFile : public fw::Error {
 public:
  using fw::Error::Error;
};

// Sections of key=value lines. Keys are compared without regard to case; reading keeps the order
// in which the keys stand, returns no line with an empty value and no line without "=".
class SectionBackEnd {
 public:
  virtual ~SectionBackEnd() = default;
  // A missing file or section reads as an empty list. A value that cannot be taken as text is
  // left out and added to unread. Throws UnreadableFile for a file that is there but cannot be
  // read.
  virtual std::vector<std::string> ReadSection(const std::string& file, const std::string& section,
                                               std::vector<SkippedEntry>& unread) = 0;
  std::vector<std::string> ReadSection(const std::string& file, const std::string& section) {
    std::vector<SkippedEntry> unread;
    return ReadSection(file, section, unread);
  }
  // Replaces the section with every line that has a "=", in order. Throws fw::Error on failure.
  virtual void WriteSection(const std::string& file, const std::string& section,
                            const std::vector<std::string>& lines) = 0;
  // Replaces several sections of one file; a back-end that can does it in one step.
  virtual void WriteSections(const std::string& file, const std::vector<SectionLines>& sections) {
    for (const SectionLines& s : sections) WriteSection(file, s.name, s.lines);
  }
};

// Rows of hexadecimal digits of binary property data, one section per property.
class BinaryRows {
 public:
  virtual ~BinaryRows() = default;
  // Keeps the rows of the section, in order, for Commit.
  virtual void WriteRows(const std::string& section, const std::vector<std::string>& rows) = 0;
  // Writes every section kept since the last Commit, in one step where the storage allows.
  virtual void Commit() = 0;
  // The rows of the section in order; empty when it is missing.
  virtual std::vector<std::string> ReadRows(const std::string& section) = 0;
};

}  // namespace gv::store
