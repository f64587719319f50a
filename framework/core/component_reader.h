// Reads description trees into components: a whole window (creating the components it names
// by class name) or properties applied to a component that exists.
#pragma once

#include <functional>
#include <vector>

#include "framework/core/component.h"
#include "framework/core/desc_tree.h"
#include "framework/core/error.h"

namespace fw {

// Reads the tree into root, an existing component of the tree's class: assigns root's
// properties, creates every child object by its class name (nested under its enclosing
// component), then binds component references and event names and calls Loaded on root and
// every component read. Errors: "Property does not exist", "Invalid property value", an
// unknown class. The tree is let go of object by object as it is read, so that the components
// made take the memory its values held rather than add to it.
void ReadRoot(Component* root, desc::Object tree);

// Creates a new root of the tree's class, owned by owner, and reads the tree into it.
Component* CreateRoot(desc::Object tree, Component* owner);

// Told of a property that could not be assigned, with the reason; the property is left as it was.
using SkipHandler = std::function<void(const desc::Property& property, const Error& error)>;

// Assigns properties to an existing component in order, as reading a window does: a collection
// value replaces the items ("<>" empties it). References and event names resolve among the
// components of window (and window itself) once every property is read. Without a skip
// handler the first error propagates and what came before it stays assigned. With one, a
// property that fails (no such property, a value of the wrong kind, a name that resolves to
// nothing) is handed to it and the rest go on; inside a collection each property of each item
// counts on its own.
// With EventNames::kRefuse an event property (inside collection items too) is not bound: it fails
// with "Event handlers are not set from outside the program", for properties that come from
// outside the program, whose handler names would choose what a click runs.
enum class EventNames { kBind, kRefuse };
void ApplyProperties(Component* component, const std::vector<desc::Property>& props, Component* window,
                     const SkipHandler& skipped = nullptr, EventNames events = EventNames::kBind);

}  // namespace fw
