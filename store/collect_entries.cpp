// Save: the owner's description tree, walked object by object.
#include "store/collect_entries.h"

#include <algorithm>

#include "framework/core/component_writer.h"
#include "framework/core/text_util.h"
#include "store/entries/property_entries.h"

namespace gv::store {

namespace {

// "frmMain.Edit1.": the component and every owner that itself has an owner, outermost first.
std::string OwnerChain(const fw::Component& component) {
  std::string chain;
  for (const fw::Component* c = &component; c && c->Owner(); c = c->Owner()) chain = c->Name() + "." + chain;
  return chain;
}

std::string EnumIdent(const fw::PropInfo& prop, fw::Component& component) {
  const int64_t value = prop.Ord().get(&component);
  if (value >= 0 && value < prop.type->count) return prop.type->names[value];
  return std::to_string(value);
}

bool Contains(const std::vector<std::string>& names, std::string_view name) {
  return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return fw::SameText(n, name); });
}

class Collector {
 public:
  Collector(fw::Component* owner, const TAutoObjectsStore& items, BinaryRows& binary)
      : owner_(owner), items_(items), binary_(binary) {}

  // The object and, after it, every object below it: the order of the description text.
  void Walk(const fw::desc::Object& object) {
    fw::Component* component = ResolveComponent(owner_, object.name);
    const int item = component ? items_.IndexOfComponent(component) : -1;
    if (item >= 0) Collect(object, *component, *items_.Items(static_cast<size_t>(item)));
    for (const fw::desc::Object& child : object.children) Walk(child);
  }

  std::vector<std::string> entries;

 private:
  void Collect(const fw::desc::Object& object, fw::Component& component, const TAutoObjectStore& item) {
    const std::string keyPrefix = component.Name() + ".";
    const std::string sectionPrefix = OwnerChain(component);
    const std::vector<std::string>& kept = item.StoredProp()->Lines();
    std::vector<std::string> handled;
    for (const fw::desc::Property& property : object.props) {
      // "Font.Color" belongs to "Font".
      const std::string name = property.name.substr(0, property.name.find('.'));
      if (!Contains(kept, name)) continue;
      std::vector<std::string> found;
      FlattenProperty(property, "", sectionPrefix, binary_, found);
      for (const std::string& entry : found) entries.push_back(keyPrefix + entry);
      handled.push_back(name);
    }
    // Values the description leaves out (defaults, properties not stored there) of enumeration
    // kind.
    for (const std::string& name : kept) {
      if (Contains(handled, name)) continue;
      const fw::PropInfo* prop = component.Class().FindProperty(name);
      if (!prop || prop->kind != fw::PropKind::Enum) continue;
      entries.push_back(keyPrefix + name + "=" + EnumIdent(*prop, component));
    }
  }

  fw::Component* owner_;
  const TAutoObjectsStore& items_;
  BinaryRows& binary_;
};

}  // namespace

fw::Component* ResolveComponent(fw::Component* owner, std::string_view name) {
  if (!owner || name.empty()) return nullptr;
  if (fw::Component* c = owner->FindComponent(name)) return c;
  return name == owner->Name() ? owner : nullptr;
}

std::vector<std::string> CollectEntries(fw::Component* owner, const TAutoObjectsStore& items,
                                        BinaryRows& binary) {
  Collector collector(owner, items, binary);
  collector.Walk(fw::WriteRoot(owner));
  return std::move(collector.entries);
}

}  // namespace gv::store
