// The two halves of the settings store's work on a window: collecting the entries of the kept
// properties from the window's description text, and applying the entries of a section back,
// component by component.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/core/component.h"
#include "store/auto_objects.h"
#include "store/storage_interfaces.h"

namespace store {

// The component called name: one that owner owns (without regard to case), else owner itself if
// the name is exactly its own. Null for an empty name or no match.
fw::Component* ResolveComponent(fw::Component* owner, std::string_view name);

// The "Name.Key=value" entries of every kept property, in the order in which the components
// stand in owner's description text; within a component the properties found in the text come
// first, then the enumeration values the text leaves out, in StoredProp order. Binary data on
// several rows goes to binary.
std::vector<std::string> CollectEntries(fw::Component* owner, const TAutoObjectsStore& items,
                                        BinaryRows& binary);

// A run of consecutive section lines for one component name, with that name and its "." taken
// off each line ("Checked=True").
struct EntryRun {
  std::string name;
  std::vector<std::string> lines;
};

// The section lines cut into runs; lines without "." belong to none.
std::vector<EntryRun> SplitRuns(const std::vector<std::string>& lines);

// Rebuilds the run's lines into a one-object block, empties the collections the block assigns
// at its top level and applies the block to component. Errors of the text or of an assignment
// propagate; a syntax error leaves the component untouched.
void ApplyRun(fw::Component* component, const std::vector<std::string>& lines, BinaryRows& binary);

}  // namespace store
