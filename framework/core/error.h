// Exceptions of the framework. Every failure leaves an event handler as one of these; the
// application object shows its message in the error box and the program carries on.
#pragma once

#include <stdexcept>
#include <string>

namespace fw {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file operation failed; the message names the problem ("File access denied", "Disk full",
// "I/O error 123").
class IoError : public Error {
 public:
  IoError(const std::string& message, int code) : Error(message), code_(code) {}
  int Code() const { return code_; }

 private:
  int code_;
};

// Syntax errors of description text: "<what> on line <n>".
class ParseError : public Error {
 public:
  ParseError(const std::string& what, int line)
      : Error(what + " on line " + std::to_string(line)), reason_(what), line_(line) {}
  // What is wrong, without the line ("Invalid string constant").
  const std::string& Reason() const { return reason_; }
  int Line() const { return line_; }

 private:
  std::string reason_;
  int line_;
};

}  // namespace fw
