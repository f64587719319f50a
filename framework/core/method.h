// Event handlers. A published event holds a method of the root window, known by its name in
// the description text; the loader binds the name through the root class's method table.
#pragma once

#include <functional>
#include <string>

namespace fw {

class Component;

struct Method {
  std::string name;  // as written in description text; empty if unnamed
  std::function<void(Component* sender)> fn;

  explicit operator bool() const { return static_cast<bool>(fn); }
  void operator()(Component* sender) const {
    if (fn) fn(sender);
  }
};

// One row of a class's method table: a published handler that text can name.
struct MethodInfo {
  const char* name;
  void (*call)(Component* self, Component* sender);
};

}  // namespace fw

// A method-table row for Class::Name(Component* sender).
#define FW_METHOD(Class, Name)                                                                               \
  ::fw::MethodInfo {                                                                                         \
#Name, [](::fw::Component * self, ::fw::Component * sender) { static_cast<Class*>(self)->Name(sender); } \
  }
