// Published properties: one compact table row per property. A row holds one typed accessor
// pair for its kind, asked for by kind (Ord(), Str(), ...): asking a row of another kind throws,
// so a wrong-kind call never becomes a call through a null pointer. Rows are made with the
// builders of property_builders.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/method.h"

namespace fw {

class Persistent;
class Component;

enum class PropKind : uint8_t {
  Integer,     // int64 value, optionally with identifiers for some values (colours)
  Float,       // double
  String,      // 8-bit text
  Char,        // one 8-bit character
  Enum,        // ordinal with identifier names; Boolean is one
  Set,         // bit set over an enumeration's identifiers
  StringList,  // lines of text, written as a list "( ... )"
  Collection,  // items of a collection class, written as "< item ... end>"
  Binary,      // raw bytes, written as "{ hex }"
  Object,      // owned sub-object whose properties are written as dotted paths
  Component,   // reference to a component, written by name
  Event,       // a method of the root, written by name
};

// Identifier names of an enumeration, in ordinal order; also the members of a set type.
struct EnumType {
  const char* name;
  const char* const* names;
  int count;

  int Find(std::string_view ident) const;  // ordinal, or -1; without regard to case
};

extern const EnumType kBooleanType;

// Identifiers that stand for particular integer values (clBlack, clBtnFace).
struct IntIdent {
  const char* name;
  int64_t value;
};
struct IntIdentMap {
  const IntIdent* idents;
  int count;

  const IntIdent* FindName(std::string_view name) const;
  const IntIdent* FindValue(int64_t value) const;
};

enum PropFlag : uint8_t {
  kNotStored = 1,  // never written to description text
  kNoDefault = 2,  // written even when equal to the default
};

// The getter and setter of a property of value type T (set is null for owned sub-objects).
template <class T, class In = T>
struct Accessor {
  T (*get)(Persistent*);
  void (*set)(Persistent*, In);
};
using OrdAccessor = Accessor<int64_t>;  // Integer, Char, Enum, Set
using FloatAccessor = Accessor<double>;
using StrAccessor = Accessor<std::string, const std::string&>;  // String, Binary
using ListAccessor = Accessor<std::vector<std::string>, const std::vector<std::string>&>;
using ObjAccessor = Accessor<Persistent*, Persistent*>;  // Object, Collection: get only
using RefAccessor = Accessor<Component*>;                // set throws on a component of the wrong class
using EventAccessor = Accessor<Method, const Method&>;

struct PropInfo {
  const char* name = nullptr;
  PropKind kind = PropKind::Integer;
  uint8_t flags = 0;
  const EnumType* type = nullptr;       // Enum, Set
  const IntIdentMap* idents = nullptr;  // Integer
  int64_t def = 0;                      // default of ordinal kinds
  bool (*stored)(Persistent*) = nullptr;

  // The accessor pair of the row's kind; each throws fw::Error for a row of another kind.
  OrdAccessor Ord() const { return Erased<OrdAccessor>(IsOrdinal()); }
  FloatAccessor Float() const { return Erased<FloatAccessor>(kind == PropKind::Float); }
  StrAccessor Str() const {
    return Erased<StrAccessor>(kind == PropKind::String || kind == PropKind::Binary);
  }
  ListAccessor List() const { return Erased<ListAccessor>(kind == PropKind::StringList); }
  ObjAccessor Obj() const {
    return Erased<ObjAccessor>(kind == PropKind::Object || kind == PropKind::Collection);
  }
  RefAccessor Ref() const { return Erased<RefAccessor>(kind == PropKind::Component); }
  EventAccessor Event() const { return Erased<EventAccessor>(kind == PropKind::Event); }

  bool IsOrdinal() const {
    return kind == PropKind::Integer || kind == PropKind::Char || kind == PropKind::Enum ||
           kind == PropKind::Set;
  }
  bool IsStored(Persistent* obj) const;
  bool HasDefaultValue(Persistent* obj) const;

  PropInfo NotStored() const { return With(flags | kNotStored); }
  PropInfo NoDefault() const { return With(flags | kNoDefault); }
  template <auto Stored>
  PropInfo StoredIf() const;
  PropInfo WithIdents(const IntIdentMap& map) const {
    PropInfo p = *this;
    p.idents = &map;
    return p;
  }

  // For the builders: a row of the kind with its accessor pair.
  template <class A>
  static PropInfo Make(const char* name, PropKind kind, A access) {
    PropInfo p;
    p.name = name;
    p.kind = kind;
    p.get_ = reinterpret_cast<void (*)()>(access.get);
    p.set_ = reinterpret_cast<void (*)()>(access.set);
    return p;
  }

 private:
  template <class A>
  A Erased(bool rightKind) const {
    if (!rightKind) WrongKind();
    return A{reinterpret_cast<decltype(A::get)>(get_), reinterpret_cast<decltype(A::set)>(set_)};
  }
  [[noreturn]] void WrongKind() const;
  PropInfo With(int f) const {
    PropInfo p = *this;
    p.flags = static_cast<uint8_t>(f);
    return p;
  }

  void (*get_)() = nullptr;
  void (*set_)() = nullptr;
};

}  // namespace fw
