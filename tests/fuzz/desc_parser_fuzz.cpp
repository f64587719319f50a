// Parser fuzz target: any input either fails with ParseError or parses to a tree whose canonical
// text is a fixed point of parse-then-write.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "framework/core/desc_parser.h"
#include "framework/core/desc_writer.h"
#include "framework/core/error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string first;
  try {
    first = fw::desc::Write(fw::desc::Parse(text));
  } catch (const fw::ParseError&) {
    return 0;
  }
  // Canonical text must always parse again (any exception escapes and is reported).
  std::string second = fw::desc::Write(fw::desc::Parse(first));
  if (first != second) {
    std::fprintf(stderr, "not a fixed point:\n--- first\n%s--- second\n%s", first.c_str(), second.c_str());
    std::abort();
  }
  return 0;
}
