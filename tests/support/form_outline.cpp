#include "tests/support/form_outline.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <stdexcept>

#include "framework/core/desc_parser.h"
#include "tests/support/file_bytes.h"

namespace gv::test {
namespace {

using fw::desc::Object;
using fw::desc::Property;
using fw::desc::Value;

const Property* Find(const std::vector<Property>& props, const std::string& name) {
  for (const Property& p : props)
    if (p.name == name) return &p;
  return nullptr;
}

int IntOf(const Object& o, const char* name) {
  const Property* p = Find(o.props, name);
  return p && p->value.type == Value::Type::Integer ? static_cast<int>(p->value.integer) : 0;
}

std::string TextOf(const Object& o) {
  for (const char* name : {"Caption", "Text"})
    if (const Property* p = Find(o.props, name)) return p->value.text;
  return std::string();
}

bool Windowed(const std::string& className) {
  static const std::set<std::string> kWindowed = {"TPanel",    "TAlphaPanel",  "TNotebook",
                                                  "TPage",     "TEdit",        "TIntEdit",
                                                  "TCheckBox", "TRadioButton", "TComboBox"};
  return kWindowed.count(className) > 0;
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(::tolower(c)); });
  return s;
}

// The store's items: component name to its distinct property names, in list order.
std::map<std::string, std::vector<std::string>> StoreItems(const Object& store) {
  std::map<std::string, std::vector<std::string>> items;
  const Property* list = Find(store.props, "Items");
  if (!list) return items;
  for (const fw::desc::Item& item : list->value.items) {
    const Property* component = Find(item.props, "Component");
    const Property* names = Find(item.props, "StoredProp.Strings");
    if (!component || !names) continue;
    std::vector<std::string>& props = items[component->value.text];
    for (const Value& v : names->value.list) {
      const bool known = std::any_of(props.begin(), props.end(),
                                     [&v](const std::string& p) { return Lower(p) == Lower(v.text); });
      if (!known) props.push_back(v.text);
    }
  }
  return items;
}

// Records every named object below o in text order, with its parent, page and place.
struct Walk {
  std::map<std::string, Place>& places;
  std::vector<const Object*>& order;
  const Object* store = nullptr;

  void Children(const Object& o, const std::string& parent, const std::string& page, bool onPage) {
    for (const Object& child : o.children) One(child, parent, page, onPage);
  }
  void One(const Object& o, const std::string& parent, const std::string& page, bool onPage) {
    if (o.className == "TAutoPropertiesStore") store = &o;
    if (o.className == "TPage") return Children(o, "", TextOf(o), true);
    if (!o.name.empty()) {
      order.push_back(&o);
      Place& p = places[o.name];
      p.name = o.name;
      p.className = o.className;
      p.parent = parent;
      p.page = page;
      p.onPage = onPage;
      p.left = IntOf(o, "Left");
      p.top = IntOf(o, "Top");
      p.width = IntOf(o, "Width");
      p.height = IntOf(o, "Height");
      p.text = TextOf(o);
      p.maxLength = IntOf(o, "MaxLength");
      const Property* checked = Find(o.props, "Checked");
      p.checked = checked && checked->value.text == "True";
      const Property* enabled = Find(o.props, "Enabled");
      p.enabled = !enabled || enabled->value.text != "False";
      p.aligned = Find(o.props, "Align") != nullptr;
      p.windowed = Windowed(o.className);
    }
    Children(o, o.name, page, false);
  }
};

}  // namespace

FormOutline::FormOutline(std::string_view description) {
  const Object root = fw::desc::Parse(description);
  std::vector<const Object*> order;
  Walk walk{places_, order};
  walk.Children(root, "", "", false);
  if (!walk.store) throw std::runtime_error("the description has no settings store");

  const auto items = StoreItems(*walk.store);
  for (const Object* o : order) {
    auto it = items.find(o->name);
    if (it == items.end()) continue;
    for (const std::string& prop : it->second) kept_.push_back(Kept{o->name, prop});
  }
}

std::vector<std::string> FormOutline::Names() const {
  std::vector<std::string> names;
  for (const auto& [name, place] : places_) names.push_back(name);
  return names;
}

std::vector<std::string> FormOutline::WindowedNames() const {
  std::vector<std::string> names;
  for (const auto& [name, place] : places_)
    if (place.windowed) names.push_back(name);
  return names;
}

FormOutline FormOutline::FromFile(const std::string& path) {
  const std::string text = ReadFileBytes(path);
  if (text.empty()) throw std::runtime_error("cannot read " + path);
  return FormOutline(text);
}

}  // namespace gv::test
