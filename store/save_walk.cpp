// Save: the owner's description text, walked block by block.
#include <algorithm>

#include "framework/core/component_writer.h"
#include "framework/core/text_util.h"
#include "store/store_walk.h"
#include "store/value_encoding.h"

namespace store {

namespace {

// "frmMain.Edit1.": the component and every owner that itself has an owner, outermost first.
std::string OwnerChain(const fw::Component& component) {
  std::string chain;
  for (const fw::Component* c = &component; c && c->Owner(); c = c->Owner()) chain = c->Name() + "." + chain;
  return chain;
}

std::string EnumIdent(const fw::PropInfo& prop, fw::Component& component) {
  const int64_t value = prop.getOrd(&component);
  if (value >= 0 && value < prop.type->count) return prop.type->names[value];
  return std::to_string(value);
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return fw::SameText(n, name); });
}

// The block of one kept component: lines [begin, end) after its header.
void CollectBlock(const std::vector<std::string>& lines, size_t begin, size_t end, fw::Component& component,
                  const TAutoObjectStore& item, BinaryRows& binary, std::vector<std::string>& entries) {
  const std::string key_prefix = component.Name() + ".";
  const std::string section_prefix = OwnerChain(component);
  const std::vector<std::string>& kept = item.StoredProp()->Lines();
  const int base = begin < end ? Indentation(lines[begin]) : 0;
  std::vector<std::string> handled;

  size_t i = begin;
  while (i < end) {
    const std::string name = LinePropertyName(lines[i]);
    if (name.empty() || !Contains(kept, name)) {
      // Not kept: pass over the line and whatever continues it.
      for (++i; i < end && Indentation(lines[i]) > base; ++i) {
      }
      continue;
    }
    std::vector<std::string> found;
    FlattenProperty(lines, i, "", section_prefix, binary, found);
    for (const std::string& entry : found) entries.push_back(key_prefix + entry);
    handled.push_back(name);
  }

  // Values the text leaves out (defaults, properties not stored there) of enumeration kind.
  for (const std::string& name : kept) {
    if (Contains(handled, name)) continue;
    const fw::PropInfo* prop = component.Class().FindProperty(name);
    if (!prop || prop->kind != fw::PropKind::Enum) continue;
    entries.push_back(key_prefix + name + "=" + EnumIdent(*prop, component));
  }
}

}  // namespace

fw::Component* ResolveComponent(fw::Component* owner, std::string_view name) {
  if (!owner || name.empty()) return nullptr;
  if (fw::Component* c = owner->FindComponent(name)) return c;
  return name == owner->Name() ? owner : nullptr;
}

std::vector<std::string> CollectEntries(fw::Component* owner, const TAutoObjectsStore& items,
                                        BinaryRows& binary) {
  const std::vector<std::string> lines = SplitLines(fw::WriteRootText(owner));
  std::vector<std::string> entries;
  size_t i = 0;
  while (i < lines.size()) {
    fw::Component* component =
        IsObjectHeader(lines[i]) ? ResolveComponent(owner, HeaderComponentName(lines[i])) : nullptr;
    const int item = component ? items.IndexOfComponent(component) : -1;
    if (item < 0) {
      ++i;
      continue;
    }
    size_t end = i + 1;
    while (end < lines.size() && !IsObjectHeader(lines[end])) ++end;
    CollectBlock(lines, i + 1, end, *component, *items.Items(static_cast<size_t>(item)), binary, entries);
    i = end;
  }
  return entries;
}

}  // namespace store
