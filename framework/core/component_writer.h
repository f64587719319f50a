// Writes live components as a description tree: a root and everything it owns, each property
// only when it is stored and differs from its default.
#pragma once

#include <string>

#include "framework/core/component.h"
#include "framework/core/desc_tree.h"

namespace fw {

desc::Object WriteRoot(Component* root);

// The canonical description text of root and everything it owns.
std::string WriteRootText(Component* root);

}  // namespace fw
