// Exceptions of the framework. Every failure leaves an event handler as one of these; the
// application object shows its message in the error box and the program carries on.
//
// The base is std::exception with a message of its own, not std::runtime_error: that class keeps
// its message in the library's older reference-counted string, whose code (some 45 KB) the program
// would otherwise carry for this alone.
#pragma once

#include <exception>
#include <string>
#include <utility>

namespace fw {

class Error : public std::exception {
 public:
  explicit Error(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// A file operation failed; the message names the problem ("File access denied", "Disk full",
// "I/O error 123").
class IoError : public Error {
 public:
  using Error::Error;
};

// Syntax errors of description text: "<what> on line <n>".
class ParseError : public Error {
 public:
  ParseError(const std::string& what, int line)
      : Error(what + " on line " + std::to_string(line)), reason_(what) {}
  // What is wrong, without the line ("Invalid string constant").
  const std::string& Reason() const { return reason_; }

 private:
  std::string reason_;
};

}  // namespace fw
