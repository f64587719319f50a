// The settings store's hold on a form: its close-query hook and its destroy event.
#pragma once

#include <memory>

#include "store/platform/store_platform.h"

namespace gv::store {

// The hooks of owner when it is a form; null for any other component.
std::unique_ptr<OwnerHooks> MakeFormHooks(fw::Component* owner);

}  // namespace gv::store
