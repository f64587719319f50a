// Published properties: one compact table row per property, with typed accessors erased into
// plain function pointers. Rows are made with the builders at the end of this file, e.g.
//   fw::IntProp<&TControl::Left, &TControl::SetLeft>("Left", 0)
//   fw::BoolProp<&TCheckBox::Checked, &TCheckBox::SetChecked>("Checked", false).NotStored()
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
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

struct PropInfo {
  const char* name = nullptr;
  PropKind kind = PropKind::Integer;
  uint8_t flags = 0;
  const EnumType* type = nullptr;       // Enum, Set
  const IntIdentMap* idents = nullptr;  // Integer
  int64_t def = 0;                      // default of ordinal kinds
  bool (*stored)(Persistent*) = nullptr;

  int64_t (*getOrd)(Persistent*) = nullptr;  // Integer, Char, Enum, Set
  void (*setOrd)(Persistent*, int64_t) = nullptr;
  double (*getFloat)(Persistent*) = nullptr;
  void (*setFloat)(Persistent*, double) = nullptr;
  std::string (*getStr)(Persistent*) = nullptr;  // String, Binary
  void (*setStr)(Persistent*, const std::string&) = nullptr;
  std::vector<std::string> (*getList)(Persistent*) = nullptr;  // StringList
  void (*setList)(Persistent*, const std::vector<std::string>&) = nullptr;
  Persistent* (*getObj)(Persistent*) = nullptr;  // Object, Collection: the owned sub-object
  Component* (*getRef)(Persistent*) = nullptr;
  void (*setRef)(Persistent*, Component*) = nullptr;  // throws on a component of the wrong class
  Method (*getEvent)(Persistent*) = nullptr;
  void (*setEvent)(Persistent*, const Method&) = nullptr;

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

 private:
  PropInfo With(int f) const {
    PropInfo p = *this;
    p.flags = static_cast<uint8_t>(f);
    return p;
  }
};

namespace detail {

template <class M>
struct Member;
template <class C, class R>
struct Member<R (C::*)() const> {
  using Class = C;
  using Type = std::decay_t<R>;
};
template <class C, class R>
struct Member<R (C::*)()> {
  using Class = C;
  using Type = std::decay_t<R>;
};
template <class C, class A>
struct Member<void (C::*)(A)> {
  using Class = C;
  using Type = std::decay_t<A>;
};

template <auto Get>
auto Call(Persistent* p) {
  using C = typename Member<decltype(Get)>::Class;
  return (static_cast<C*>(p)->*Get)();
}
template <auto Set, class V>
void Assign(Persistent* p, V&& v) {
  using C = typename Member<decltype(Set)>::Class;
  (static_cast<C*>(p)->*Set)(std::forward<V>(v));
}

template <auto Get>
int64_t GetOrd(Persistent* p) {
  return static_cast<int64_t>(Call<Get>(p));
}
template <auto Set>
void SetOrd(Persistent* p, int64_t v) {
  Assign<Set>(p, static_cast<typename Member<decltype(Set)>::Type>(v));
}
template <auto Get>
double GetFloat(Persistent* p) {
  return static_cast<double>(Call<Get>(p));
}
template <auto Set>
void SetFloat(Persistent* p, double v) {
  Assign<Set>(p, static_cast<typename Member<decltype(Set)>::Type>(v));
}
template <auto Get>
std::string GetStr(Persistent* p) {
  return std::string(Call<Get>(p));
}
template <auto Set>
void SetStr(Persistent* p, const std::string& v) {
  Assign<Set>(p, v);
}
template <auto Get>
std::vector<std::string> GetList(Persistent* p) {
  return Call<Get>(p);
}
template <auto Set>
void SetList(Persistent* p, const std::vector<std::string>& v) {
  Assign<Set>(p, v);
}
template <auto Get>
Persistent* GetObj(Persistent* p) {
  return Call<Get>(p);
}
template <auto Get>
Component* GetRef(Persistent* p) {
  return Call<Get>(p);
}
void ThrowInvalidValue();
template <auto Set>
void SetRef(Persistent* p, Component* c) {
  using T = std::remove_pointer_t<typename Member<decltype(Set)>::Type>;
  T* typed = dynamic_cast<T*>(c);
  if (c && !typed) ThrowInvalidValue();
  Assign<Set>(p, typed);
}
template <auto Field>
struct FieldOf;
template <class C, Method C::*F>
struct FieldOf<F> {
  static Method Get(Persistent* p) { return static_cast<C*>(p)->*F; }
  static void Set(Persistent* p, const Method& m) { static_cast<C*>(p)->*F = m; }
};
template <auto Pred>
bool Stored(Persistent* p) {
  return Call<Pred>(p);
}

inline PropInfo Row(const char* name, PropKind kind) {
  PropInfo p;
  p.name = name;
  p.kind = kind;
  return p;
}

}  // namespace detail

template <auto Stored>
PropInfo PropInfo::StoredIf() const {
  PropInfo p = *this;
  p.stored = &detail::Stored<Stored>;
  return p;
}

template <auto Get, auto Set>
PropInfo IntProp(const char* name, int64_t def = 0) {
  PropInfo p = detail::Row(name, PropKind::Integer);
  p.def = def;
  p.getOrd = &detail::GetOrd<Get>;
  p.setOrd = &detail::SetOrd<Set>;
  return p;
}

template <auto Get, auto Set>
PropInfo CharProp(const char* name, char def = 0) {
  PropInfo p = IntProp<Get, Set>(name, static_cast<unsigned char>(def));
  p.kind = PropKind::Char;
  return p;
}

template <auto Get, auto Set>
PropInfo EnumProp(const char* name, const EnumType& type, int64_t def) {
  PropInfo p = IntProp<Get, Set>(name, def);
  p.kind = PropKind::Enum;
  p.type = &type;
  return p;
}

template <auto Get, auto Set>
PropInfo BoolProp(const char* name, bool def) {
  return EnumProp<Get, Set>(name, kBooleanType, def ? 1 : 0);
}

template <auto Get, auto Set>
PropInfo SetProp(const char* name, const EnumType& type, int64_t def = 0) {
  PropInfo p = EnumProp<Get, Set>(name, type, def);
  p.kind = PropKind::Set;
  return p;
}

template <auto Get, auto Set>
PropInfo FloatProp(const char* name) {
  PropInfo p = detail::Row(name, PropKind::Float);
  p.getFloat = &detail::GetFloat<Get>;
  p.setFloat = &detail::SetFloat<Set>;
  return p;
}

template <auto Get, auto Set>
PropInfo StrProp(const char* name) {
  PropInfo p = detail::Row(name, PropKind::String);
  p.getStr = &detail::GetStr<Get>;
  p.setStr = &detail::SetStr<Set>;
  return p;
}

template <auto Get, auto Set>
PropInfo BinaryProp(const char* name) {
  PropInfo p = StrProp<Get, Set>(name);
  p.kind = PropKind::Binary;
  return p;
}

template <auto Get, auto Set>
PropInfo ListProp(const char* name) {
  PropInfo p = detail::Row(name, PropKind::StringList);
  p.getList = &detail::GetList<Get>;
  p.setList = &detail::SetList<Set>;
  return p;
}

// Get returns a pointer to a sub-object that the holder owns (a font, a string list).
template <auto Get>
PropInfo ObjectProp(const char* name) {
  PropInfo p = detail::Row(name, PropKind::Object);
  p.getObj = &detail::GetObj<Get>;
  return p;
}

template <auto Get>
PropInfo CollectionProp(const char* name) {
  PropInfo p = ObjectProp<Get>(name);
  p.kind = PropKind::Collection;
  return p;
}

template <auto Get, auto Set>
PropInfo RefProp(const char* name) {
  PropInfo p = detail::Row(name, PropKind::Component);
  p.getRef = &detail::GetRef<Get>;
  p.setRef = &detail::SetRef<Set>;
  return p;
}

// Field is a pointer to a Method data member: fw::EventProp<&TControl::onClick_>("OnClick").
template <auto Field>
PropInfo EventProp(const char* name) {
  PropInfo p = detail::Row(name, PropKind::Event);
  p.getEvent = &detail::FieldOf<Field>::Get;
  p.setEvent = &detail::FieldOf<Field>::Set;
  return p;
}

}  // namespace fw
