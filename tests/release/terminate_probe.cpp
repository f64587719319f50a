// Ends the way the program's terminate handler is there for: an exception leaves a noexcept
// function. Linked with app/terminate_handler.cpp, as Gorvale.exe is.
#include <windows.h>

#include <stdexcept>

namespace {
[[noreturn]] void Throw() { throw std::runtime_error("The settings could not be read"); }
void Fail() noexcept { Throw(); }
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Fail();
  return 0;
}
