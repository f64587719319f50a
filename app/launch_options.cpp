#include "app/launch_options.h"

#include "app/frm_main_controls.h"

namespace gv {

LaunchOptions ReadLaunchOptions(const std::function<bool(const FrmMainPart&)>& checked,
                                const std::function<std::string(const FrmMainPart&)>& text) {
  LaunchOptions options;
  for (const FrmMainPart& part : FrmMainParts{}) {
    if (auto* flag = std::get_if<bool LaunchOptions::*>(&part.option)) options.*(*flag) = checked(part);
    if (auto* field = std::get_if<std::string LaunchOptions::*>(&part.option)) options.*(*field) = text(part);
  }
  return options;
}

}  // namespace gv
