// A uniquely named directory under the temporary folder, removed with its contents at the end.
#pragma once

#include <string>

namespace gv::test {

class ScratchDir {
 public:
  // `nested` is appended below the unique folder and created level by level (use "\" between).
  explicit ScratchDir(const std::string& nested = "");
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  // The directory, ending in "\".
  const std::string& Path() const { return path_; }

 private:
  std::string root_;
  std::string path_;
};

// The whole file, or "" when it cannot be opened.
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace gv::test
