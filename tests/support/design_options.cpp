#include "tests/support/design_options.h"

#ifdef _WIN32
#include "tests/support/scratch_dir.h"
#endif

namespace gv::test {

LaunchOptions DesignDefaults() {
#ifdef _WIN32
  static const FormOutline outline = FormOutline::FromFile(WindowsPath(GORVALE_MAIN_FORM));
#else
  static const FormOutline outline = FormOutline::FromFile(GORVALE_MAIN_FORM);
#endif
  return ReadLaunchOptions([](const std::string& name) { return outline.Of(name).checked; },
                           [](const std::string& name) { return outline.Of(name).text; });
}

}  // namespace gv::test
