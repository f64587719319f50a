// What the program does when the C++ runtime has to end it: an exception thrown out of a
// destructor or through a noexcept function, or one that nothing catches. Handlers never get
// here (the window procedure reports their exceptions and the program carries on); this is the
// last resort, and it tells the user why the program is closing instead of vanishing silently.
//
// It replaces the runtime's default handler of the same name, which writes the exception's type
// to standard error (which a Windows program has not got) and for that links the C++ name
// demangler, some 46 KB of the executable. Defined here, in the program's own objects, it is
// linked in place of the library's. Only Gorvale.exe links it; test programs keep the default.
#include <windows.h>

#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  static bool terminating = false;  // a failure while reporting must not report again
  if (!terminating) {
    terminating = true;
    const char* what = "The program has met an error it cannot recover from";
    try {
      if (std::exception_ptr pending = std::current_exception()) std::rethrow_exception(pending);
    } catch (const std::exception& e) {
      what = e.what();
    } catch (...) {
    }
    // As the application's error box words it: the message and a full stop.
    char text[1024];
    ::lstrcpynA(text, what, sizeof text - 1);
    ::lstrcatA(text, ".");
    ::MessageBoxA(nullptr, text, "OEM Gorvale FE", MB_ICONERROR | MB_OK | MB_TASKMODAL);
  }
  std::abort();
}

}  // namespace __gnu_cxx
