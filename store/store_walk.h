// The two halves of the settings store's work on a window: collecting the entries of the kept
// properties from the window's description tree, and applying the entries of a section back,
// entry by entry.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/core/component.h"
#include "store/auto_objects_store.h"
#include "store/storage_interfaces.h"

namespace gv::store {

// The component called name: one that owner owns (without regard to case), else owner itself if
// the name is exactly its own. Null for an empty name or no match.
fw::Component* ResolveComponent(fw::Component* owner, std::string_view name);

// The "Name.Key=value" entries of every kept property, in the order in which the components
// stand in owner's description; within a component the properties the description holds come
// first, then the enumeration values it leaves out, in StoredProp order. Binary data of a row
// or more goes to binary.
std::vector<std::string> CollectEntries(fw::Component* owner, const TAutoObjectsStore& items,
                                        BinaryRows& binary);

// Applies every entry of the section that can be applied to the components of window, as
// reading the window would; entries of the store itself are passed over. Each entry that
// cannot be applied leaves its property as it was and is added to skipped, in section order.
void ApplyEntries(fw::Component* window, const fw::Component* store, const std::vector<std::string>& lines,
                  BinaryRows& binary, std::vector<SkippedEntry>& skipped);

}  // namespace gv::store
