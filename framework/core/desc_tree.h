// Syntax tree of a window description: objects with their property lines and child objects.
// The parser builds it from text, the writer turns it back into canonical text; neither knows
// anything of components.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace fw::desc {

struct Property;

// One item of a collection value: its property lines.
struct Item {
  std::vector<Property> props;
};

struct Value {
  enum class Type { Integer, Float, String, Ident, Set, List, Collection, Binary };

  Type type = Type::Integer;
  int64_t integer = 0;
  double real = 0.0;
  std::string text;              // String: the bytes; Ident: the name, may be dotted; Binary: raw bytes
  std::vector<std::string> set;  // Set: member names
  std::vector<Value> list;       // List: elements
  std::vector<Item> items;       // Collection: items
  int line = 0;                  // line where the value starts (0 when built in code)
};

struct Property {
  std::string name;  // may be a dotted path into a sub-object ("Font.Name")
  Value value;
  int line = 0;
};

struct Object {
  enum class Kind { Object, Inherited, Inline };

  Kind kind = Kind::Object;
  std::string name;  // empty for an unnamed component
  std::string className;
  int index = -1;  // the "[n]" after the class name, -1 when absent
  std::vector<Property> props;
  std::vector<Object> children;
  int line = 0;
};

// Shorthands for building values in code.
inline Value MakeInteger(int64_t v) {
  Value r;
  r.type = Value::Type::Integer;
  r.integer = v;
  return r;
}
inline Value MakeFloat(double v) {
  Value r;
  r.type = Value::Type::Float;
  r.real = v;
  return r;
}
inline Value MakeString(std::string s) {
  Value r;
  r.type = Value::Type::String;
  r.text = std::move(s);
  return r;
}
inline Value MakeIdent(std::string s) {
  Value r;
  r.type = Value::Type::Ident;
  r.text = std::move(s);
  return r;
}
inline Value MakeBinary(std::string bytes) {
  Value r;
  r.type = Value::Type::Binary;
  r.text = std::move(bytes);
  return r;
}
inline Value MakeSet(std::vector<std::string> members) {
  Value r;
  r.type = Value::Type::Set;
  r.set = std::move(members);
  return r;
}
inline Value MakeList(std::vector<Value> elements) {
  Value r;
  r.type = Value::Type::List;
  r.list = std::move(elements);
  return r;
}
inline Value MakeCollection(std::vector<Item> items) {
  Value r;
  r.type = Value::Type::Collection;
  r.items = std::move(items);
  return r;
}

}  // namespace fw::desc
