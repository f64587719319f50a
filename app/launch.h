// The run button's work: write Gorvale.bat, save the settings, let the shell run the batch
// file, close the main window. The window supplies the snapshot and the steps that are its own.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "app/launch_options.h"

namespace gv {

// The shell call of the launch: owner, file, parameters, directory, show command.
using ShellOpener =
    std::function<void(HWND, const std::string&, const std::string&, const std::string&, int)>;

struct LaunchSteps {
  std::function<void()> save;   // the settings store's save; may throw
  std::function<void()> close;  // the close request on the main window
  HWND owner = nullptr;         // owner of the shell call
  ShellOpener shellOpen;        // empty: ShellOpenFile
};

// Runs the launch in its program directory, worked out afresh on every call.
void Launch(const LaunchOptions& options, const LaunchSteps& steps);

// The same in a given directory (ending in "\"). A failing step throws and stops the launch.
void LaunchIn(const std::string& programDir, const LaunchOptions& options, const LaunchSteps& steps);

}  // namespace gv
