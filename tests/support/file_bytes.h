// Whole files read and written as bytes (file_bytes.cpp natively, file_bytes_win.cpp under
// Wine), and a file awaited that another program writes (await_file.cpp).
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
// The file's bytes once it is there; "" when it did not come within ms milliseconds. (A program
// that writes it should move it into place when it is complete.)
std::string AwaitFileBytes(const std::string& path, int ms);

}  // namespace gv::test
