// The error message box in which the application reports every failure that leaves an event
// handler: the failure's message and a full stop, the error icon, one OK button.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

// Shows `message` followed by "." in a modal box titled `title` (the application title).
void ShowErrorBox(HWND owner, const std::string& title, const std::string& message);

}  // namespace fw
