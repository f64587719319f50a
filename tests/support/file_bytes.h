// Whole files read and written as bytes; file_bytes.cpp natively, file_bytes_win.cpp under Wine.
#pragma once

#include <string>

namespace gv::test {

// The whole file, or "" when it cannot be opened. Under Windows the file may be held open by
// another program meanwhile, for writing or deletion.
std::string ReadFileBytes(const std::string& path);
// Whether a file (not a directory) is there.
bool FileExists(const std::string& path);
// Replaces the file with the bytes; throws std::runtime_error when it cannot be written.
void WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace gv::test
