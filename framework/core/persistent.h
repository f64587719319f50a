// The root of every class that has published properties.
#pragma once

#include "framework/core/class_info.h"

namespace fw {

class Persistent {
 public:
  Persistent() = default;
  Persistent(const Persistent&) = delete;
  Persistent& operator=(const Persistent&) = delete;
  virtual ~Persistent() = default;

  static const ClassInfo& StaticClass();
  virtual const ClassInfo& Class() const { return StaticClass(); }
};

// For property setters: stores value in field and tells whether that changed it.
template <class T>
bool SetField(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}

}  // namespace fw
