#include "framework/core/component.h"

#include <algorithm>

#include "framework/core/error.h"
#include "framework/core/property_builders.h"
#include "framework/core/text_util.h"

namespace fw {

const ClassInfo& Component::StaticClass() {
  static const PropInfo kProps[] = {
      IntProp<&Component::Tag, &Component::SetTag>("Tag", 0),
  };
  static const ClassInfo info = MakeClass<Component, Persistent>("TComponent", kProps);
  return info;
}

Component::Component(Component* owner) {
  if (owner) owner->Insert(this);
}

Component::~Component() {
  state_ |= kDestroying;
  DestroyComponents();
  if (owner_) owner_->Remove(this);
}

void Component::DestroyComponents() {
  while (!components_.empty()) {
    Component* last = components_.back();
    Remove(last);
    delete last;
  }
}

void Component::SetName(const std::string& name) {
  if (name == name_) return;
  if (!name.empty() && !IsIdentifier(name)) throw Error("'" + name + "' is not a valid component name");
  if (!name.empty() && owner_) {
    Component* other = owner_->FindComponent(name);
    if (other && other != this) throw Error("A component named " + name + " already exists");
  }
  if (owner_) owner_->UnindexName(this);
  name_ = name;
  if (owner_) owner_->IndexName(this);
}

void Component::SetOwner(Component* owner) {
  if (owner == owner_) return;
  if (owner_) owner_->Remove(this);
  if (owner) owner->Insert(this);
}

namespace {
bool NameBefore(const Component* c, std::string_view name) { return CompareText(c->Name(), name) < 0; }
bool NameAfter(std::string_view name, const Component* c) { return CompareText(name, c->Name()) < 0; }
}  // namespace

Component* Component::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  // Of two with the same name (one moved here from another owner), the first to come.
  auto it = std::lower_bound(byName_.begin(), byName_.end(), name, NameBefore);
  return it != byName_.end() && SameText((*it)->name_, name) ? *it : nullptr;
}

void Component::IndexName(Component* component) {
  if (component->name_.empty()) return;
  byName_.insert(std::upper_bound(byName_.begin(), byName_.end(), component->name_, NameAfter), component);
}

void Component::UnindexName(Component* component) {
  if (component->name_.empty()) return;
  auto it = std::lower_bound(byName_.begin(), byName_.end(), component->name_, NameBefore);
  for (; it != byName_.end() && SameText((*it)->name_, component->name_); ++it) {
    if (*it == component) {
      byName_.erase(it);
      return;
    }
  }
}

void Component::Notification(Component* component) {
  // Iterate over a copy: a receiver may destroy or move components while it is told. Once one
  // has, each later one is told only if it is still owned; until then all are.
  std::vector<Component*> owned = components_;
  const unsigned changes = ownedChanges_;
  for (Component* c : owned) {
    if (ownedChanges_ != changes && std::find(components_.begin(), components_.end(), c) == components_.end())
      continue;
    c->Notification(component);
  }
}

void Component::GetChildren(std::vector<Component*>& children, Component* root) const {
  if (root != this) return;
  for (Component* c : components_)
    if (!c->HasParent()) children.push_back(c);
}

void Component::Insert(Component* component) {
  components_.push_back(component);
  IndexName(component);
  ++ownedChanges_;
  component->owner_ = this;
}

void Component::Remove(Component* component) {
  auto it = std::find(components_.begin(), components_.end(), component);
  if (it == components_.end()) return;
  components_.erase(it);
  UnindexName(component);
  ++ownedChanges_;
  component->owner_ = nullptr;
  Notification(component);
}

}  // namespace fw
