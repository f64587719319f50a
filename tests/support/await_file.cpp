#include <chrono>
#include <thread>

#include "tests/support/file_bytes.h"

namespace gv::test {

std::string AwaitFileBytes(const std::string& path, int ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!FileExists(path) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return ReadFileBytes(path);
}

}  // namespace gv::test
