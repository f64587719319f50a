// Ends the way the program's terminate handler is there for: an exception leaves a noexcept
// function. Linked with app/cxx_runtime/terminate_handler.cpp and library_throws.cpp, as
// Gorvale.exe is; the exception is the one a standard container raises for an index out of
// range, so its message is the one library_throws.cpp formats.
#include <windows.h>

#include <vector>

namespace {
volatile size_t index = 5;  // not known to the compiler, so that the check stays
int Fail(const std::vector<int>& values) noexcept { return values.at(index); }
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return Fail({1, 2, 3}); }
