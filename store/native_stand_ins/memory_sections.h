// Sections of key=value lines held in memory, following the rules of the profile functions (or,
// without quoting, of the registry): keys and names without regard to case, order kept, a key
// written again keeps its place, empty values not returned. For tests and for running where the
// platform's functions are missing.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "store/storage_interfaces.h"

namespace gv::store {

class MemorySections : public SectionBackEnd {
 public:
  // kProfile: values that begin with a single quote are stored inside one more pair of quotes,
  // and one pair of enclosing quotes is removed on reading, as a profile file does.
  enum class Quoting { kProfile, kNone };

  explicit MemorySections(Quoting quoting = Quoting::kProfile) : quoting_(quoting) {}

  using SectionBackEnd::ReadSection;
  std::vector<std::string> ReadSection(const std::string& file, const std::string& section,
                                       std::vector<SkippedEntry>& unread) override;
  void WriteSection(const std::string& file, const std::string& section,
                    const std::vector<std::string>& lines) override;

  // The section as stored ("key=value" with the quotes written), or empty.
  std::vector<std::string> StoredLines(const std::string& file, const std::string& section) const;
  // Puts a stored line as a hand-edited file would hold it (no quoting applied).
  void PutStoredLine(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value);
  // From now on every write throws fw::Error("Unable to write to <file>").
  void FailWrites(bool fail) { failWrites_ = fail; }
  // From now on every read throws UnreadableFile("<file> cannot be read (<reason>)"), as a file
  // held open by another program does; an empty reason reads again.
  void FailReads(std::string reason) { failReads_ = std::move(reason); }

  int ReadCount() const { return reads_; }
  int WriteCount() const { return writes_; }

 private:
  using Pairs = std::vector<std::pair<std::string, std::string>>;
  struct Section {
    std::string file;
    std::string name;
    Pairs pairs;
  };

  size_t IndexOf(const std::string& file, const std::string& section) const;
  const Section* Find(const std::string& file, const std::string& section) const;
  Section& FindOrAdd(const std::string& file, const std::string& section);

  Quoting quoting_;
  std::vector<Section> sections_;
  bool failWrites_ = false;
  std::string failReads_;
  int reads_ = 0;
  int writes_ = 0;
};

}  // namespace gv::store
