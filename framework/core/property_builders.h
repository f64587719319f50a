// Builders of property rows, one per kind, from a class's getter and setter:
//   fw::IntProp<&TControl::Left, &TControl::SetLeft>("Left", 0)
//   fw::BoolProp<&TCheckBox::Checked, &TCheckBox::SetChecked>("Checked", false).NotStored()
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "framework/core/property.h"

namespace fw {

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

// The functions of an accessor pair: the getter's result as the row's value type V; a number
// converted to the setter's parameter type; a text or list passed on as it is.
template <auto Get, class V>
V Getter(Persistent* p) {
  return static_cast<V>(Call<Get>(p));
}
template <auto Set, class V>
void SetNumber(Persistent* p, V v) {
  Assign<Set>(p, static_cast<typename Member<decltype(Set)>::Type>(v));
}
template <auto Set, class V>
void SetValue(Persistent* p, const V& v) {
  Assign<Set>(p, v);
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

}  // namespace detail

template <auto Stored>
PropInfo PropInfo::StoredIf() const {
  PropInfo p = *this;
  p.stored = &detail::Stored<Stored>;
  return p;
}

template <auto Get, auto Set>
PropInfo IntProp(const char* name, int64_t def = 0) {
  PropInfo p = PropInfo::Make(name, PropKind::Integer,
                              OrdAccessor{&detail::Getter<Get, int64_t>, &detail::SetNumber<Set, int64_t>});
  p.def = def;
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
  return PropInfo::Make(name, PropKind::Float,
                        FloatAccessor{&detail::Getter<Get, double>, &detail::SetNumber<Set, double>});
}

template <auto Get, auto Set>
PropInfo StrProp(const char* name) {
  return PropInfo::Make(name, PropKind::String,
                        StrAccessor{&detail::Getter<Get, std::string>, &detail::SetValue<Set, std::string>});
}

template <auto Get, auto Set>
PropInfo BinaryProp(const char* name) {
  PropInfo p = StrProp<Get, Set>(name);
  p.kind = PropKind::Binary;
  return p;
}

template <auto Get, auto Set>
PropInfo ListProp(const char* name) {
  return PropInfo::Make(name, PropKind::StringList,
                        ListAccessor{&detail::Getter<Get, std::vector<std::string>>,
                                     &detail::SetValue<Set, std::vector<std::string>>});
}

// Get returns a pointer to a sub-object that the holder owns (a font, a string list).
template <auto Get>
PropInfo ObjectProp(const char* name) {
  return PropInfo::Make(name, PropKind::Object, ObjAccessor{&detail::Getter<Get, Persistent*>, nullptr});
}

template <auto Get>
PropInfo CollectionProp(const char* name) {
  PropInfo p = ObjectProp<Get>(name);
  p.kind = PropKind::Collection;
  return p;
}

template <auto Get, auto Set>
PropInfo RefProp(const char* name) {
  return PropInfo::Make(name, PropKind::Component,
                        RefAccessor{&detail::Getter<Get, Component*>, &detail::SetRef<Set>});
}

// Field is a pointer to a Method data member: fw::EventProp<&TControl::onClick_>("OnClick").
template <auto Field>
PropInfo EventProp(const char* name) {
  return PropInfo::Make(name, PropKind::Event,
                        EventAccessor{&detail::FieldOf<Field>::Get, &detail::FieldOf<Field>::Set});
}

}  // namespace fw
