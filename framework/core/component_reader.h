// Reads description trees into components: a whole window (creating the components it names
// by class name) or a one-object block applied to a component that exists.
#pragma once

#include "framework/core/component.h"
#include "framework/core/desc_tree.h"

namespace fw {

// Reads the tree into root, an existing component of the tree's class: assigns root's
// properties, creates every child object by its class name (nested under its enclosing
// component), then binds component references and event names and calls Loaded on root and
// every component read. Errors: "Property does not exist", "Invalid property value", an
// unknown class.
void ReadRoot(Component* root, const desc::Object& tree);

// Creates a new root of the tree's class, owned by owner, and reads the tree into it.
Component* CreateRoot(const desc::Object& tree, Component* owner);

// Assigns the properties of a one-object block to an existing component, in block order.
// References and event names are resolved among the components of the component's window
// (its owner, or the component itself when it has none) after the whole block is read.
// Properties assigned before an error stay assigned.
void ApplyBlock(Component* component, const desc::Object& block);

}  // namespace fw
