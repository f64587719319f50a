// The framework's classes in the class registry, so that description text can name them.
#pragma once

namespace fw {

// Registers every class of the framework. The program entry calls it once, before the first
// form is read; it registers the classes of the custom controls and the store itself.
void RegisterFrameworkClasses();

}  // namespace fw
