// Sections of a profile file: read through GetPrivateProfileSectionA, written by replacing the
// whole file in one step, so that a save ended at any instant leaves the old file or the new one.
// A bare file name stands for a file of the Windows directory, where the profile functions look.
#pragma once

#include <string>
#include <vector>

#include "store/storage_interfaces.h"

namespace gv::store {

class IniSection : public SectionBackEnd {
 public:
  // The key=value lines in file order; values come back as the profile functions give them, with
  // one pair of enclosing quotes removed. Key names and values of any length are read whole.
  // Throws UnreadableFile for a file that is there but cannot be read.
  using SectionBackEnd::ReadSection;
  std::vector<std::string> ReadSection(const std::string& file, const std::string& section,
                                       std::vector<SkippedEntry>& unread) override;

  // Replaces the section where it stands, keeping the file's other sections and their order; a
  // value that begins with a single quote gets one more at each end so that it reads back
  // unchanged. Nothing is written when the file would not change. Throws fw::Error("Unable to
  // write to <file>"), also for a file that is there but cannot be read.
  void WriteSection(const std::string& file, const std::string& section,
                    const std::vector<std::string>& lines) override;
  void WriteSections(const std::string& file, const std::vector<SectionLines>& sections) override;
};

}  // namespace gv::store
