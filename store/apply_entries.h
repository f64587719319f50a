// Applying the entries of a section back to a window, entry by entry, for a restore.
#pragma once

#include <string>
#include <vector>

#include "framework/core/component.h"
#include "store/storage_interfaces.h"

namespace gv::store {

// Applies every entry of the section that can be applied to the components of window, as
// reading the window would; entries of the store itself are passed over. Each entry that
// cannot be applied leaves its property as it was and is added to skipped, in section order.
void ApplyEntries(fw::Component* window, const fw::Component* store, const std::vector<std::string>& lines,
                  BinaryRows& binary, std::vector<SkippedEntry>& skipped);

}  // namespace gv::store
