// Collecting the entries of the kept properties from a window's description tree, for a save.
#pragma once

#include <string>
#include <string_view>
#include <vector>

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

}  // namespace gv::store
