// The store's platform where there are no profile functions and no windows: the program's path
// from the system, sections kept in memory for the life of the store, errors written to the
// standard error stream.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "store/entries/section_binary_rows.h"
#include "store/native_stand_ins/memory_sections.h"
#include "store/platform/store_platform.h"

namespace gv::store {

namespace {

class NativeStorePlatform : public StorePlatform {
 public:
  std::string ProgramFileName() const override {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path);
    return n > 0 ? std::string(path, static_cast<size_t>(n)) : std::string();
  }
  SectionBackEnd& Sections(bool registry) override { return registry ? registry_ : files_; }
  std::unique_ptr<BinaryRows> OpenBinaryRows(const std::string& file) override {
    return std::make_unique<SectionBinaryRows>(files_, file);
  }
  std::unique_ptr<OwnerHooks> HooksOf(fw::Component*) override { return nullptr; }
  void ReportError(const std::exception& error) override { std::fprintf(stderr, "%s.\n", error.what()); }

 private:
  MemorySections files_;
  MemorySections registry_{MemorySections::Quoting::kNone};
};

}  // namespace

std::unique_ptr<StorePlatform> MakeStorePlatform() { return std::make_unique<NativeStorePlatform>(); }

}  // namespace gv::store
