// Default file and section names of the settings store, worked out from the running program's
// file name. Directories end at the last "\" or ":".
#pragma once

#include <string>
#include <string_view>

namespace gv::store {

// "PROGRAM.INI" beside nothing (a bare name), or "Software\PROGRAM" with the registry.
std::string DefaultIniFileName(std::string_view program, bool registry);

// "PROGRAM.BIN", a bare name.
std::string DefaultBinaryFileName(std::string_view program);

}  // namespace gv::store
