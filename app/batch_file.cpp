#include "app/batch_file.h"

#include <windows.h>

#include <vector>

#include "framework/core/error.h"

namespace gv {
namespace {

[[noreturn]] void ThrowIoError(DWORD code) { throw fw::IoError(IoErrorMessage(code)); }

// Owns one open file; closes it on every way out. Close() reports the outcome, the destructor
// only cleans up after a failure.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (IsOpen()) ::CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

  bool Close() {
    HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return ::CloseHandle(handle) != FALSE;
  }

 private:
  HANDLE handle_;
};

}  // namespace

std::string IoErrorMessage(unsigned long code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
      return "File not found";
    case ERROR_PATH_NOT_FOUND:
      return "Path not found";
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return "File access denied";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return "Disk full";
    default:
      return "I/O error " + std::to_string(code);
  }
}

std::string ProgramDirectory() {
  // GetModuleFileNameA truncates silently when the buffer is short (without a terminator on
  // older systems), so grow until the name fits with room to spare.
  std::vector<char> buffer(128);
  DWORD length = 0;
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    length = ::GetModuleFileNameA(nullptr, buffer.data(), size);
    if (length == 0) ThrowIoError(::GetLastError());
    if (length < size - 1) break;
    buffer.resize(buffer.size() * 2);
  }
  const std::string path(buffer.data(), length);
  const std::string::size_type end = path.find_last_of("\\:");
  return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

void RemoveFileIfPresent(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    ::DeleteFileA(path.c_str());
  }
}

void WriteBatchFile(const std::string& path, const std::string& line) {
  RemoveFileIfPresent(path);
  FileHandle file(
      ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsOpen()) ThrowIoError(::GetLastError());

  const std::string bytes = line + "\r\n";
  DWORD written = 0;
  if (!::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
    ThrowIoError(::GetLastError());
  }
  if (written != bytes.size()) ThrowIoError(ERROR_DISK_FULL);
  if (!file.Close()) ThrowIoError(::GetLastError());
}

}  // namespace gv
