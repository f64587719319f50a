#include "framework/win32/system_library.h"

#include <string>

namespace fw {

FARPROC SystemFunction(const char* library, const char* function) {
  HMODULE module = GetModuleHandleA(library);  // already loaded: by a name without a path
  if (!module) {
    char dir[MAX_PATH];
    const UINT length = GetSystemDirectoryA(dir, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    module = LoadLibraryA((std::string(dir, length) + "\\" + library).c_str());
  }
  return module ? GetProcAddress(module, function) : nullptr;
}

}  // namespace fw
