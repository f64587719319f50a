// The launch options as the main window's description leaves its controls: what a first start
// would launch. Platform-free; shared by the native and the Windows launch tests, which name the
// description file in GORVALE_MAIN_FORM.
#pragma once

#include "app/launch_options.h"
#include "tests/support/form_outline.h"

namespace gv::test {

LaunchOptions DesignDefaults();

}  // namespace gv::test
