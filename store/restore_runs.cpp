// Restore: the section's lines in runs per component, each applied as a one-object block.
#include "framework/core/collection.h"
#include "framework/core/component_reader.h"
#include "framework/core/desc_parser.h"
#include "store/store_walk.h"
#include "store/value_encoding.h"

namespace store {

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

std::vector<EntryRun> SplitRuns(const std::vector<std::string>& lines) {
  std::vector<EntryRun> runs;
  bool open = false;  // the last line belongs to the last run
  for (const std::string& line : lines) {
    const size_t dot = line.find('.');
    if (dot == std::string::npos) {
      open = false;
      continue;
    }
    const std::string_view name = Trim(std::string_view(line).substr(0, dot));
    if (!open || dot == 0 || runs.back().name != name) runs.push_back(EntryRun{std::string(name), {}});
    open = true;
    // The whole rest of the line, however long: a long text must come back intact.
    runs.back().lines.push_back(line.substr(dot + 1));
  }
  return runs;
}

void ApplyRun(fw::Component* component, const std::vector<std::string>& lines, BinaryRows& binary) {
  std::vector<std::string> collections;
  const std::string text =
      BuildObjectText(component->Name(), component->Class().name, lines, binary, &collections);
  // Parsed before anything changes, so that a damaged entry leaves the component as it was.
  const fw::desc::Object block = fw::desc::Parse(text);
  for (const std::string& name : collections) {
    const fw::PropInfo* prop = component->Class().FindProperty(name);
    if (!prop || prop->kind != fw::PropKind::Collection) continue;
    if (auto* collection = dynamic_cast<fw::TCollection*>(prop->getObj(component))) collection->Clear();
  }
  fw::ApplyBlock(component, block);
}

}  // namespace store
