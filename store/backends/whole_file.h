// Whole files read at once and replaced in one step, for the profile-file back-end: at every
// instant the file holds its old bytes or its new ones, whole, whenever the process ends.
#pragma once

#include <windows.h>

#include <string>

namespace gv::store {

struct WholeFile {
  enum class State { kRead, kMissing, kUnreadable };
  State state = State::kMissing;
  std::string bytes;
  DWORD error = 0;  // why it could not be read
};

// The file's bytes; kMissing when neither it nor its directory is there, kUnreadable when it is
// there but cannot be opened for reading (held open without sharing, access denied, a directory).
WholeFile ReadWholeFile(const std::string& path);

// Writes bytes to a new file beside path, flushes it to the disk, then moves it over path in one
// rename that is itself written through. False with the system's error code set on failure; the
// file at path is then as it was.
bool ReplaceWholeFile(const std::string& path, const std::string& bytes);

// The system's text for an error code, without its closing full stop and line end.
std::string SystemErrorText(DWORD error);

}  // namespace gv::store
