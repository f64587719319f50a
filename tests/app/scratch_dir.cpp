#include "tests/app/scratch_dir.h"

#include <windows.h>

#include <stdexcept>

namespace gv::test {
namespace {

void RemoveTree(const std::string& dir) {
  WIN32_FIND_DATAA found;
  HANDLE search = ::FindFirstFileA((dir + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = dir + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(path.c_str());
      }
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
  }
  ::RemoveDirectoryA(dir.c_str());
}

void MakeDirectory(const std::string& path) {
  if (!::CreateDirectoryA(path.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) {
    throw std::runtime_error("cannot create " + path);
  }
}

}  // namespace

ScratchDir::ScratchDir(const std::string& nested) {
  // A unique name from the system: it creates an empty file, which makes way for the folder.
  char temp[MAX_PATH + 1];
  char unique[MAX_PATH + 1];
  ::GetTempPathA(sizeof temp, temp);
  if (!::GetTempFileNameA(temp, "gv", 0, unique)) throw std::runtime_error("no temporary name");
  ::DeleteFileA(unique);
  root_ = unique;
  MakeDirectory(root_);
  path_ = root_ + "\\";
  std::string::size_type start = 0;
  while (start < nested.size()) {
    std::string::size_type end = nested.find('\\', start);
    if (end == std::string::npos) end = nested.size();
    path_ += nested.substr(start, end - start) + "\\";
    MakeDirectory(path_.substr(0, path_.size() - 1));
    start = end + 1;
  }
}

ScratchDir::~ScratchDir() { RemoveTree(root_); }

std::string ReadFileBytes(const std::string& path) {
  HANDLE file =
      ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  ::CloseHandle(file);
  return bytes;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write " + path);
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(file);
}

}  // namespace gv::test
