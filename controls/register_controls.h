// Makes the custom controls known to the class registry, so that window descriptions can
// create them by class name. Called once from the program entry (and by test programs).
#pragma once

namespace gv {

void RegisterControlClasses();

}  // namespace gv
