#include "framework/core/component_reader.h"

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/core/collection.h"
#include "framework/core/error.h"
#include "framework/core/text_util.h"

namespace fw {

namespace {

using desc::Value;

[[noreturn]] void InvalidValue() { throw Error("Invalid property value"); }
[[noreturn]] void NoSuchProperty() { throw Error("Property does not exist"); }

class Reader {
 public:
  // Without a skip handler the first error propagates.
  explicit Reader(Component* root, const SkipHandler* skipped = nullptr,
                  EventNames events = EventNames::kBind)
      : root_(root), skipped_(skipped), events_(events) {}

  // Reads the object and lets go of its properties and children as soon as they are read.
  void ReadObject(Component* component, desc::Object& object);
  void ReadProperty(Persistent* target, const desc::Property& property);
  // ReadProperty, or with a skip handler: a property that fails is handed to it and left.
  void ReadOrSkip(Persistent* target, const desc::Property& property);
  void FixUp();
  void CallLoaded();
  void Track(Component* component) {
    component->BeginLoading();
    loaded_.push_back(component);
  }

 private:
  struct Pending {
    Persistent* target;
    const PropInfo* prop;
    std::string name;
    const desc::Property* source;  // for the skip handler, whose callers keep their properties
  };

  void ReadChild(Component* parent, desc::Object& object);
  void Assign(Persistent* target, const PropInfo& prop, const desc::Property& source);
  void Bind(const Pending& pending) const;
  int64_t Ordinal(const PropInfo& prop, const Value& value) const;
  Component* FindReference(const std::string& name) const;

  Component* root_;
  const SkipHandler* skipped_;
  EventNames events_;
  std::vector<Pending> pending_;
  std::vector<Component*> loaded_;
};

void Reader::ReadObject(Component* component, desc::Object& object) {
  for (const desc::Property& p : object.props) ReadProperty(component, p);
  std::vector<desc::Property>().swap(object.props);
  for (desc::Object& child : object.children) ReadChild(component, child);
  std::vector<desc::Object>().swap(object.children);
}

void Reader::ReadChild(Component* parent, desc::Object& object) {
  Component* owner = parent->ChildOwner();
  if (!owner) owner = root_;
  Component* child = owner->FindComponent(object.name);
  if (!child) {
    const ClassInfo* cls = FindClass(object.className);
    if (!cls || !cls->create) throw Error("Class " + object.className + " not found");
    std::unique_ptr<Persistent> made(cls->create(owner));
    child = dynamic_cast<Component*>(made.get());
    if (!child) throw Error("Class " + object.className + " not found");
    made.release();
  }
  Track(child);
  child->SetParentComponent(parent);
  child->SetName(object.name);
  ReadObject(child, object);
}

void Reader::ReadProperty(Persistent* target, const desc::Property& property) {
  // A dotted path walks into owned sub-objects: "Font.Name".
  std::string_view path = property.name;
  for (size_t dot; (dot = path.find('.')) != std::string_view::npos; path.remove_prefix(dot + 1)) {
    const PropInfo* prop = target->Class().FindProperty(path.substr(0, dot));
    if (!prop || prop->kind != PropKind::Object) NoSuchProperty();
    target = prop->Obj().get(target);
    if (!target) NoSuchProperty();
  }
  const PropInfo* prop = target->Class().FindProperty(path);
  if (!prop) NoSuchProperty();
  Assign(target, *prop, property);
}

void Reader::ReadOrSkip(Persistent* target, const desc::Property& property) {
  if (!skipped_) return ReadProperty(target, property);
  try {
    ReadProperty(target, property);
  } catch (const Error& error) {
    (*skipped_)(property, error);
  }
}

int64_t Reader::Ordinal(const PropInfo& prop, const Value& value) const {
  switch (prop.kind) {
    case PropKind::Integer:
      if (value.type == Value::Type::Integer) {
        if (value.integer < std::numeric_limits<int32_t>::min() ||
            value.integer > std::numeric_limits<uint32_t>::max())
          InvalidValue();
        return value.integer;
      }
      if (value.type == Value::Type::Ident && prop.idents)
        if (const IntIdent* ident = prop.idents->FindName(value.text)) return ident->value;
      InvalidValue();
    case PropKind::Char:
      if (value.type == Value::Type::String && value.text.size() == 1)
        return static_cast<unsigned char>(value.text[0]);
      InvalidValue();
    case PropKind::Enum:
      if (value.type == Value::Type::Ident) {
        int ordinal = prop.type->Find(value.text);
        if (ordinal >= 0) return ordinal;
      }
      InvalidValue();
    case PropKind::Set: {
      if (value.type != Value::Type::Set) InvalidValue();
      int64_t bits = 0;
      for (const std::string& member : value.set) {
        int ordinal = prop.type->Find(member);
        if (ordinal < 0 || ordinal >= 63) InvalidValue();
        bits |= int64_t{1} << ordinal;
      }
      return bits;
    }
    default:
      InvalidValue();
  }
}

void Reader::Assign(Persistent* target, const PropInfo& prop, const desc::Property& source) {
  const Value& value = source.value;
  switch (prop.kind) {
    case PropKind::Integer:
    case PropKind::Char:
    case PropKind::Enum:
    case PropKind::Set:
      prop.Ord().set(target, Ordinal(prop, value));
      return;
    case PropKind::Float:
      if (value.type == Value::Type::Float) return prop.Float().set(target, value.real);
      if (value.type == Value::Type::Integer)
        return prop.Float().set(target, static_cast<double>(value.integer));
      InvalidValue();
    case PropKind::String:
      if (value.type != Value::Type::String) InvalidValue();
      return prop.Str().set(target, value.text);
    case PropKind::Binary:
      if (value.type != Value::Type::Binary) InvalidValue();
      return prop.Str().set(target, value.text);
    case PropKind::StringList: {
      if (value.type != Value::Type::List) InvalidValue();
      std::vector<std::string> lines;
      for (const Value& element : value.list) {
        if (element.type != Value::Type::String) InvalidValue();
        lines.push_back(element.text);
      }
      return prop.List().set(target, lines);
    }
    case PropKind::Collection: {
      auto* collection = dynamic_cast<TCollection*>(prop.Obj().get(target));
      if (!collection || value.type != Value::Type::Collection) InvalidValue();
      collection->Clear();
      for (const desc::Item& item : value.items) {
        TCollectionItem* made = collection->Add();
        for (const desc::Property& p : item.props) ReadOrSkip(made, p);
      }
      return;
    }
    case PropKind::Event:
      if (events_ == EventNames::kRefuse) throw Error("Event handlers are not set from outside the program");
      [[fallthrough]];
    case PropKind::Component:
      if (value.type != Value::Type::Ident) InvalidValue();
      pending_.push_back({target, &prop, value.text, &source});
      return;
    case PropKind::Object:
      InvalidValue();
  }
}

Component* Reader::FindReference(const std::string& name) const {
  if (SameText(name, "nil")) return nullptr;
  if (Component* c = root_->FindComponent(name)) return c;
  if (!root_->Name().empty() && name == root_->Name()) return root_;
  InvalidValue();
}

void Reader::Bind(const Pending& p) const {
  if (p.prop->kind == PropKind::Component) return p.prop->Ref().set(p.target, FindReference(p.name));
  const MethodInfo* method = root_->Class().FindMethod(p.name);
  if (!method) InvalidValue();
  Component* root = root_;
  auto call = method->call;
  p.prop->Event().set(p.target,
                      Method{method->name, [root, call](Component* sender) { call(root, sender); }});
}

void Reader::FixUp() {
  std::vector<Pending> pending;
  pending.swap(pending_);
  for (const Pending& p : pending) {
    if (!skipped_) {
      Bind(p);
      continue;
    }
    try {
      Bind(p);
    } catch (const Error& error) {
      (*skipped_)(*p.source, error);
    }
  }
}

void Reader::CallLoaded() {
  std::vector<Component*> loaded;
  loaded.swap(loaded_);
  for (Component* c : loaded) c->Loaded();
}

}  // namespace

void ReadRoot(Component* root, desc::Object tree) {
  if (!SameText(root->Class().name, tree.className)) throw Error("Class " + tree.className + " not found");
  Reader reader(root);
  reader.Track(root);
  root->SetName(tree.name);
  reader.ReadObject(root, tree);
  reader.FixUp();
  reader.CallLoaded();
}

Component* CreateRoot(desc::Object tree, Component* owner) {
  const ClassInfo* cls = FindClass(tree.className);
  if (!cls || !cls->create) throw Error("Class " + tree.className + " not found");
  std::unique_ptr<Persistent> made(cls->create(owner));
  auto* root = dynamic_cast<Component*>(made.get());
  if (!root) throw Error("Class " + tree.className + " not found");
  ReadRoot(root, std::move(tree));
  made.release();
  return root;
}

void ApplyProperties(Component* component, const std::vector<desc::Property>& props, Component* window,
                     const SkipHandler& skipped, EventNames events) {
  Reader reader(window, skipped ? &skipped : nullptr, events);
  for (const desc::Property& p : props) reader.ReadOrSkip(component, p);
  reader.FixUp();
}

}  // namespace fw
