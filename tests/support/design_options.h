// The launch options as the main window's description leaves its controls: what a first start
// would launch. Platform-free; shared by the native and the Windows launch tests.
#pragma once

#include "app/launch_options.h"

namespace gv::test {

inline LaunchOptions DesignDefaults() {
  LaunchOptions o;
  o.deathmatch_ = true;
  o.mode_max_ = true;
  o.skill_ = o.shirt_ = o.trousers_ = o.game_mode_value_ = "1";
  return o;
}

}  // namespace gv::test
