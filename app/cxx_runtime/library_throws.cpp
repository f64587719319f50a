// The errors that the standard containers and strings raise (a length past their limit, an index
// out of range, a string made from a null pointer), thrown as the framework's error with the
// library's own message, so that the error box shows the same text.
//
// They replace the runtime's functions of the same names, whose object file constructs
// std::logic_error and its kin and with them links the library's older reference-counted string,
// some 45 KB of the executable. Defined here, in the program's own objects, they are linked in
// place of the library's (as terminate_handler.cpp does for the terminate handler); should the
// library's file be linked all the same, the linker stops at the duplicate names. Only
// Gorvale.exe links this file; test programs keep the library's.
#include <cstdarg>
#include <cstddef>
#include <new>
#include <string>

#include "framework/core/error.h"

namespace {

// The library's messages carry only %s and %zu (and %% for a percent sign).
std::string Format(const char* format, va_list args) {
  std::string text;
  for (const char* p = format; *p; ++p) {
    if (*p != '%') {
      text += *p;
    } else if (p[1] == 's') {
      const char* s = va_arg(args, const char*);
      text += s ? s : "(null)";
      ++p;
    } else if (p[1] == 'z' && p[2] == 'u') {
      text += std::to_string(va_arg(args, std::size_t));
      p += 2;
    } else if (p[1] == '%') {
      text += '%';
      ++p;
    } else {
      text += *p;
    }
  }
  return text;
}

}  // namespace

namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }

void __throw_bad_array_new_length() { throw bad_array_new_length(); }

void __throw_logic_error(const char* message) { throw fw::Error(message); }

void __throw_length_error(const char* message) { throw fw::Error(message); }

void __throw_out_of_range(const char* message) { throw fw::Error(message); }

void __throw_out_of_range_fmt(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = Format(format, args);
  va_end(args);
  throw fw::Error(text);
}

}  // namespace std
