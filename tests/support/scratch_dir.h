// Folders for the tests under Wine: a scratch folder removed with its contents at the end, and
// the build and source trees as Windows programs see them.
#pragma once

#include <string>

namespace gv::test {

// A uniquely named directory under the temporary folder, removed with its contents at the end.
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

// A path of the build or source tree (given by the build, with "/") as a Windows path: the
// trees are on Wine's drive Z:.
std::string WindowsPath(const std::string& unixPath);

}  // namespace gv::test
