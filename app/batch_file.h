// The batch file on disk: where it lives and how it is written. Failures throw fw::IoError.
#pragma once

#include <string>

namespace gv {

constexpr char kBatchFileName[] = "Gorvale.bat";

// Directory of the running program, up to and including the last "\" or ":". Any length.
std::string ProgramDirectory();

// Deletes the file if it is there; the outcome is not checked.
void RemoveFileIfPresent(const std::string& path);

// Replaces the file at `path` by one holding `line`, CR and LF, bytes as they are. Each step
// (create, write, close) is checked; the first failure throws fw::IoError.
void WriteBatchFile(const std::string& path, const std::string& line);

// The runtime's wording for a system error number: "File access denied", "Disk full",
// "File not found", "Path not found", otherwise "I/O error <n>".
std::string IoErrorMessage(unsigned long code);

}  // namespace gv
