// The store's platform on Windows: the program's path from the module, the profile-file and
// registry back-ends, forms' hooks and the application's error box.
#include <windows.h>

#include "framework/win32/application.h"
#include "store/backends/ini_section.h"
#include "store/backends/registry_section.h"
#include "store/entries/section_binary_rows.h"
#include "store/platform/store_hooks_win32.h"
#include "store/platform/store_platform.h"

namespace gv::store {

namespace {

// The full path of the running program, however long.
std::string ModuleFileName() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (n < path.size() || path.size() >= 32768) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

class Win32StorePlatform : public StorePlatform {
 public:
  std::string ProgramFileName() const override { return ModuleFileName(); }
  SectionBackEnd& Sections(bool registry) override {
    return registry ? static_cast<SectionBackEnd&>(registry_) : files_;
  }
  std::unique_ptr<BinaryRows> OpenBinaryRows(const std::string& file) override {
    return std::make_unique<SectionBinaryRows>(files_, file);
  }
  std::unique_ptr<OwnerHooks> HooksOf(fw::Component* owner) override { return MakeFormHooks(owner); }
  void ReportError(const std::exception& error) override { fw::Application()->HandleException(error); }

 private:
  IniSection files_;
  RegistrySection registry_;
};

}  // namespace

std::unique_ptr<StorePlatform> MakeStorePlatform() { return std::make_unique<Win32StorePlatform>(); }

}  // namespace gv::store
