// What the framework needs before the first form is read: its forms, menus and timers in the class
// registry, and the standard steps of the message loop (hint line and tool tips, key navigation).
#pragma once

namespace fw {

// The program entry calls it once (a second call changes nothing). The standard controls, the
// custom controls and the settings store are registered by the program, each by its own part.
void SetUpFramework();

}  // namespace fw
