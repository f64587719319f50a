// The one line of Gorvale.bat: game executable, Quake command line, " +map " and the map name.
// Pure functions of a LaunchOptions snapshot; no file or window access.
#pragma once

#include <string>

#include "app/launch_options.h"

namespace gv {

// The switches and console commands, each piece with its own leading blank (the extra
// parameters excepted, which go in exactly as typed). Starts with the WinQuake mode word.
std::string BuildCommandLine(const LaunchOptions& options);

// "glquake.exe", "wq.bat" or "quake.exe", without a directory.
std::string ChooseExecutable(const LaunchOptions& options);

// Executable + command line + " +map " + map name; the map part is there even when empty.
std::string BuildBatchLine(const LaunchOptions& options);

}  // namespace gv
