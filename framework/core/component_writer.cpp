#include "framework/core/component_writer.h"

#include "framework/core/collection.h"
#include "framework/core/desc_writer.h"

namespace fw {

namespace {

using desc::Value;

class Writer {
 public:
  explicit Writer(Component* root) : root_(root) {}

  desc::Object WriteObject(Component* component) {
    desc::Object object;
    object.name = component->Name();
    object.className = component->Class().name;
    WriteProps(component, "", object.props);
    std::vector<Component*> children;
    component->GetChildren(children, root_);
    for (Component* child : children) object.children.push_back(WriteObject(child));
    return object;
  }

  void WriteProps(Persistent* object, const std::string& prefix, std::vector<desc::Property>& out) {
    for (const PropInfo* prop : object->Class().Properties()) {
      if (!prop->IsStored(object)) continue;
      std::string path = prefix + prop->name;
      if (prop->kind == PropKind::Object) {
        if (Persistent* sub = prop->Obj().get(object)) WriteProps(sub, path + ".", out);
        continue;
      }
      if (prop->kind == PropKind::Collection) {
        auto* collection = dynamic_cast<TCollection*>(prop->Obj().get(object));
        if (!collection || (collection->Count() == 0 && !(prop->flags & kNoDefault))) continue;
        std::vector<desc::Item> items(collection->Count());
        for (size_t i = 0; i < collection->Count(); ++i) WriteProps(collection->Item(i), "", items[i].props);
        out.push_back({path, desc::MakeCollection(std::move(items)), 0});
        continue;
      }
      if (!(prop->flags & kNoDefault) && prop->HasDefaultValue(object)) continue;
      if (prop->kind == PropKind::Component && !ReferenceName(prop->Ref().get(object)).size()) continue;
      out.push_back({path, ValueOf(*prop, object), 0});
    }
  }

 private:
  std::string ReferenceName(Component* c) const {
    if (!c || c->Name().empty()) return {};
    if (c == root_ || c->Owner() == root_ || !c->Owner()) return c->Name();
    return c->Owner()->Name() + "." + c->Name();
  }

  Value ValueOf(const PropInfo& prop, Persistent* object) const {
    switch (prop.kind) {
      case PropKind::Integer: {
        int64_t v = prop.Ord().get(object);
        if (prop.idents)
          if (const IntIdent* ident = prop.idents->FindValue(v)) return desc::MakeIdent(ident->name);
        return desc::MakeInteger(v);
      }
      case PropKind::Char:
        return desc::MakeString(std::string(1, static_cast<char>(prop.Ord().get(object))));
      case PropKind::Enum: {
        int64_t v = prop.Ord().get(object);
        if (v >= 0 && v < prop.type->count) return desc::MakeIdent(prop.type->names[v]);
        return desc::MakeInteger(v);
      }
      case PropKind::Set: {
        int64_t bits = prop.Ord().get(object);
        std::vector<std::string> members;
        for (int i = 0; i < prop.type->count && i < 63; ++i)
          if (bits & (int64_t{1} << i)) members.push_back(prop.type->names[i]);
        return desc::MakeSet(std::move(members));
      }
      case PropKind::Float:
        return desc::MakeFloat(prop.Float().get(object));
      case PropKind::String:
        return desc::MakeString(prop.Str().get(object));
      case PropKind::Binary:
        return desc::MakeBinary(prop.Str().get(object));
      case PropKind::StringList: {
        std::vector<Value> elements;
        for (const std::string& line : prop.List().get(object)) elements.push_back(desc::MakeString(line));
        return desc::MakeList(std::move(elements));
      }
      case PropKind::Component:
        return desc::MakeIdent(ReferenceName(prop.Ref().get(object)));
      case PropKind::Event:
        return desc::MakeIdent(prop.Event().get(object).name);
      case PropKind::Object:
      case PropKind::Collection:
        break;
    }
    return desc::MakeInteger(0);
  }

  Component* root_;
};

}  // namespace

desc::Object WriteRoot(Component* root) { return Writer(root).WriteObject(root); }

std::string WriteRootText(Component* root) { return desc::Write(WriteRoot(root)); }

}  // namespace fw
