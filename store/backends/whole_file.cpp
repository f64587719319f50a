#include "store/backends/whole_file.h"

#include <algorithm>

namespace gv::store {

namespace {

// A handle closed when it goes.
class File {
 public:
  explicit File(HANDLE handle) : handle_(handle) {}
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File() {
    if (Valid()) CloseHandle(handle_);
  }
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }
  bool Close() {
    const bool closed = CloseHandle(handle_) != FALSE;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

bool WriteAll(HANDLE file, const std::string& bytes) {
  for (size_t done = 0; done < bytes.size();) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

}  // namespace

WholeFile ReadWholeFile(const std::string& path) {
  WholeFile result;
  File file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) {
    result.error = GetLastError();
    const bool missing = result.error == ERROR_FILE_NOT_FOUND || result.error == ERROR_PATH_NOT_FOUND;
    result.state = missing ? WholeFile::State::kMissing : WholeFile::State::kUnreadable;
    return result;
  }
  // Read to its end, however much it grows meanwhile.
  DWORD read = 0;
  do {
    const size_t at = result.bytes.size();
    result.bytes.resize(at + 16384);
    if (!ReadFile(file.Get(), &result.bytes[at], 16384, &read, nullptr)) {
      result.error = GetLastError();
      result.state = WholeFile::State::kUnreadable;
      read = 0;
    }
    result.bytes.resize(at + read);
  } while (read > 0);
  if (result.state != WholeFile::State::kUnreadable) result.state = WholeFile::State::kRead;
  return result;
}

// MoveFileEx rather than ReplaceFile: one rename, which the file system carries out whole (the
// old file stays until the new one takes its name), with no backup step that can stop half way,
// and it works when there is no old file yet. Under UAC virtualisation the new file is made in the
// user's VirtualStore and the rename lands there too, where the profile functions then read.
bool ReplaceWholeFile(const std::string& path, const std::string& bytes) {
  const std::string temp = path + ".new";
  {
    File file(
        CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return false;
    if (!WriteAll(file.Get(), bytes) || !FlushFileBuffers(file.Get()) || !file.Close()) {
      const DWORD error = GetLastError();
      DeleteFileA(temp.c_str());
      SetLastError(error);
      return false;
    }
  }
  if (!MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const DWORD error = GetLastError();
    DeleteFileA(temp.c_str());
    SetLastError(error);
    return false;
  }
  return true;
}

std::string SystemErrorText(DWORD error) {
  char text[256];
  DWORD n = FormatMessageA(
      FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK, nullptr,
      error, 0, text, sizeof text, nullptr);
  while (n > 0 && (text[n - 1] == ' ' || text[n - 1] == '.')) --n;
  return n ? std::string(text, n) : std::string("unknown reason");
}

}  // namespace gv::store
