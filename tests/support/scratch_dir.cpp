#include "tests/support/scratch_dir.h"

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

std::string WindowsPath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

}  // namespace gv::test
