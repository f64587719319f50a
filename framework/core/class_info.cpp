#include "framework/core/class_info.h"

#include <algorithm>
#include <string>

#include "framework/core/error.h"
#include "framework/core/persistent.h"
#include "framework/core/text_util.h"

namespace fw {

namespace {
const char* const kBooleanNames[] = {"False", "True"};

std::vector<const ClassInfo*>& Registry() {
  static std::vector<const ClassInfo*> classes;
  return classes;
}
}  // namespace

const EnumType kBooleanType{"Boolean", kBooleanNames, 2};

int EnumType::Find(std::string_view ident) const {
  for (int i = 0; i < count; ++i)
    if (SameText(names[i], ident)) return i;
  return -1;
}

const IntIdent* IntIdentMap::FindName(std::string_view name) const {
  for (int i = 0; i < count; ++i)
    if (SameText(idents[i].name, name)) return &idents[i];
  return nullptr;
}

const IntIdent* IntIdentMap::FindValue(int64_t value) const {
  for (int i = 0; i < count; ++i)
    if (idents[i].value == value) return &idents[i];
  return nullptr;
}

namespace detail {
void ThrowInvalidValue() { throw Error("Invalid property value"); }
}  // namespace detail

void PropInfo::WrongKind() const { throw Error(std::string("Property ") + name + " is of another kind"); }

bool PropInfo::IsStored(Persistent* obj) const {
  if (flags & kNotStored) return false;
  return !stored || stored(obj);
}

bool PropInfo::HasDefaultValue(Persistent* obj) const {
  switch (kind) {
    case PropKind::Integer:
    case PropKind::Char:
    case PropKind::Enum:
    case PropKind::Set:
      return Ord().get(obj) == def;
    case PropKind::Float:
      return Float().get(obj) == 0.0;
    case PropKind::String:
    case PropKind::Binary:
      return Str().get(obj).empty();
    case PropKind::StringList:
      return List().get(obj).empty();
    case PropKind::Component:
      return Ref().get(obj) == nullptr;
    case PropKind::Event:
      return Event().get(obj).name.empty();
    case PropKind::Object:
    case PropKind::Collection:
      return false;
  }
  return false;
}

const ClassInfo& Persistent::StaticClass() {
  static const ClassInfo info{"TPersistent", nullptr, nullptr, 0, nullptr, nullptr, 0};
  return info;
}

const PropInfo* ClassInfo::FindProperty(std::string_view name) const {
  for (const ClassInfo* c = this; c; c = c->parent)
    for (size_t i = 0; i < c->propCount; ++i)
      if (SameText(c->props[i].name, name)) return &c->props[i];
  return nullptr;
}

std::vector<const PropInfo*> ClassInfo::Properties() const {
  std::vector<const ClassInfo*> chain;
  for (const ClassInfo* c = this; c; c = c->parent) chain.push_back(c);
  std::vector<const PropInfo*> rows;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    for (size_t i = 0; i < (*it)->propCount; ++i) {
      const PropInfo* row = &(*it)->props[i];
      auto same = std::find_if(rows.begin(), rows.end(),
                               [row](const PropInfo* r) { return SameText(r->name, row->name); });
      if (same != rows.end())
        *same = row;
      else
        rows.push_back(row);
    }
  }
  return rows;
}

const MethodInfo* ClassInfo::FindMethod(std::string_view name) const {
  for (const ClassInfo* c = this; c; c = c->parent)
    for (size_t i = 0; i < c->methodCount; ++i)
      if (SameText(c->methods[i].name, name)) return &c->methods[i];
  return nullptr;
}

void RegisterClassInfo(const ClassInfo& info) {
  auto& classes = Registry();
  for (const ClassInfo*& c : classes) {
    if (SameText(c->name, info.name)) {
      c = &info;
      return;
    }
  }
  classes.push_back(&info);
}

const ClassInfo* FindClass(std::string_view name) {
  for (const ClassInfo* c : Registry())
    if (SameText(c->name, name)) return c;
  return nullptr;
}

}  // namespace fw
