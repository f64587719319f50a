// Typed lookup of a window's components by name, for binding fields after a window has been
// read from its description. A missing name or a component of another class is a fault of the
// description and fails loudly.
#pragma once

#include <string>

#include "framework/core/component.h"
#include "framework/core/error.h"

namespace gv {

template <class T>
T* FindComponentAs(const fw::Component& owner, const std::string& name) {
  fw::Component* found = owner.FindComponent(name);
  if (!found) throw fw::Error(owner.Name() + " has no component " + name);
  T* typed = dynamic_cast<T*>(found);
  if (!typed) {
    throw fw::Error(owner.Name() + "." + name + " is a " + found->Class().name + ", not a " +
                    T::StaticClass().name);
  }
  return typed;
}

}  // namespace gv
