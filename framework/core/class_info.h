// Run-time class information: name, parent, published properties and methods, and a factory.
// Each class has one ClassInfo (its StaticClass()); a registry finds classes by name.
#pragma once

#include <cstddef>
#include <string_view>
#include <type_traits>
#include <vector>

#include "framework/core/method.h"
#include "framework/core/property.h"

namespace fw {

class Persistent;
class Component;

struct ClassInfo {
  const char* name;
  const ClassInfo* parent;
  const PropInfo* props;
  size_t propCount;
  Persistent* (*create)(Component* owner);  // null for classes that text cannot create
  const MethodInfo* methods;
  size_t methodCount;

  // The most derived row of that name, without regard to case; null if none.
  const PropInfo* FindProperty(std::string_view name) const;
  // Base class rows first, in declaration order; a row that a derived class publishes again
  // keeps its base position but uses the derived row (its new default).
  std::vector<const PropInfo*> Properties() const;
  const MethodInfo* FindMethod(std::string_view name) const;
};

// The class registry: description text creates components by class name.
void RegisterClassInfo(const ClassInfo& info);
const ClassInfo* FindClass(std::string_view name);

template <class... T>
void RegisterClasses() {
  (RegisterClassInfo(T::StaticClass()), ...);
}

namespace detail {
template <class T>
Persistent* Create(Component* owner) {
  return new T(owner);
}

template <class T, class Base>
ClassInfo BuildClass(const char* name, const PropInfo* props, size_t propCount, const MethodInfo* methods,
                     size_t methodCount) {
  Persistent* (*create)(Component*) = nullptr;
  if constexpr (std::is_constructible_v<T, Component*> && !std::is_abstract_v<T>) create = &Create<T>;
  return ClassInfo{name, &Base::StaticClass(), props, propCount, create, methods, methodCount};
}
}  // namespace detail

// Builds a ClassInfo for T deriving from Base. T is creatable by name when it has a
// constructor taking the owner component.
template <class T, class Base>
ClassInfo MakeClass(const char* name) {
  return detail::BuildClass<T, Base>(name, nullptr, 0, nullptr, 0);
}
template <class T, class Base, size_t N>
ClassInfo MakeClass(const char* name, const PropInfo (&props)[N]) {
  return detail::BuildClass<T, Base>(name, props, N, nullptr, 0);
}
template <class T, class Base, size_t N, size_t M>
ClassInfo MakeClass(const char* name, const PropInfo (&props)[N], const MethodInfo (&methods)[M]) {
  return detail::BuildClass<T, Base>(name, props, N, methods, M);
}
template <class T, class Base, size_t M>
ClassInfo MakeClass(const char* name, const MethodInfo (&methods)[M]) {
  return detail::BuildClass<T, Base>(name, nullptr, 0, methods, M);
}

}  // namespace fw

// Declares the run-time class of a class: put it in the public part of the class.
#define FW_CLASS()                             \
  static const ::fw::ClassInfo& StaticClass(); \
  const ::fw::ClassInfo& Class() const override { return StaticClass(); }
