// Functions of Windows' own libraries that the program needs only now and then, loaded when
// first asked for: a library imported at link time is loaded at every start, used or not.
#pragma once

#include <windows.h>

namespace fw {

// The address of function in the named library of the system directory; nullptr when either
// is missing. The library is always taken from the system directory, never from the program's
// own folder (which, for a launcher, holds whatever the user unpacked there).
FARPROC SystemFunction(const char* library, const char* function);

// The same, as a pointer of the function's type.
template <typename Fn>
Fn SystemFunctionAs(const char* library, const char* function) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(SystemFunction(library, function)));
}

}  // namespace fw
