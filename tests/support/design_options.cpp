#include "tests/support/design_options.h"

#include "app/frm_main_controls.h"

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
  return ReadLaunchOptions([](const FrmMainPart& part) { return outline.Of(part.name).checked; },
                           [](const FrmMainPart& part) { return outline.Of(part.name).text; });
}

}  // namespace gv::test
