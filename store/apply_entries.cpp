// Restore: the section's entries in runs per component, rebuilt into properties of the
// description tree and applied through the loader one by one.
#include "store/apply_entries.h"

#include <algorithm>

#include "framework/core/component_reader.h"
#include "store/collect_entries.h"
#include "store/entries/property_entries.h"
#include "store/entries/section_lines.h"

namespace gv::store {

namespace {

// The entries of one component name in a row, with the name and its "." taken off the keys.
struct EntryRun {
  std::string name;
  std::vector<Entry> entries;
};

class Applier {
 public:
  Applier(fw::Component* window, const fw::Component* store, BinaryRows& binary)
      : window_(window), store_(store), binary_(binary) {}

  void Apply(const std::vector<std::string>& lines) {
    for (const EntryRun& run : Runs(lines)) ApplyRun(run);
    std::stable_sort(skipped_.begin(), skipped_.end(),
                     [](const Skip& a, const Skip& b) { return a.number < b.number; });
  }

  void Skipped(std::vector<SkippedEntry>& out) const {
    for (const Skip& skip : skipped_) {
      const bool known = skip.number >= 1 && static_cast<size_t>(skip.number) <= keys_.size();
      out.push_back({known ? keys_[static_cast<size_t>(skip.number - 1)] : std::string(), skip.reason});
    }
  }

 private:
  struct Skip {
    int number;
    std::string reason;
  };

  // Entries are numbered from 1 in section order; keys_ keeps each one's key as the file has it.
  std::vector<EntryRun> Runs(const std::vector<std::string>& lines) {
    std::vector<EntryRun> runs;
    for (const std::string& line : lines) {
      EntryParts parts;
      if (!SplitEntry(line, parts)) continue;
      keys_.emplace_back(parts.key);
      const size_t dot = parts.key.find('.');
      const std::string_view name = TrimBlanks(parts.key.substr(0, dot));
      const std::string_view key =
          dot == std::string_view::npos ? std::string_view() : parts.key.substr(dot + 1);
      if (runs.empty() || runs.back().name != name) runs.push_back({std::string(name), {}});
      runs.back().entries.push_back(
          {std::string(key), std::string(parts.value), static_cast<int>(keys_.size())});
    }
    return runs;
  }

  void ApplyRun(const EntryRun& run) {
    fw::Component* component = ResolveComponent(window_, run.name);
    // The store's own settings come from the window description alone.
    if (component && component == store_) return;
    if (!component) {
      for (const Entry& entry : run.entries) skipped_.push_back({entry.number, "Component not found"});
      return;
    }
    std::vector<EntryFault> faults;
    const std::vector<fw::desc::Property> properties = RebuildProperties(run.entries, binary_, faults);
    for (EntryFault& fault : faults) skipped_.push_back({fault.number, std::move(fault.reason)});
    fw::ApplyProperties(
        component, properties, window_,
        [this](const fw::desc::Property& property, const fw::Error& error) {
          skipped_.push_back({property.line, error.what()});
        },
        fw::EventNames::kRefuse);
  }

  fw::Component* window_;
  const fw::Component* store_;
  BinaryRows& binary_;
  std::vector<std::string> keys_;
  std::vector<Skip> skipped_;
};

}  // namespace

void ApplyEntries(fw::Component* window, const fw::Component* store, const std::vector<std::string>& lines,
                  BinaryRows& binary, std::vector<SkippedEntry>& skipped) {
  Applier applier(window, store, binary);
  applier.Apply(lines);
  applier.Skipped(skipped);
}

}  // namespace gv::store
