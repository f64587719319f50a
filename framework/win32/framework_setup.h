// What the framework needs before the first form is read: its forms, menus and timers in the
// class registry, so that description text can name them, and the standard steps of the
// application's message loop (the hint line and tool tips, keyboard navigation).
#pragma once

namespace fw {

// The program entry calls it once, before the first form is read (a second call changes
// nothing). The standard controls, the custom controls and the settings store are registered
// by the program, each by its own part.
void SetUpFramework();

}  // namespace fw
