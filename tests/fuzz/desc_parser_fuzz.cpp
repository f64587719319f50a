// Fuzz target for description text and the loader: any input either fails with an error or
// parses to a tree whose canonical text is a fixed point of parse-then-write; a tree that
// loads into components writes back to text that loads and writes to the same text again.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "framework/core/component_reader.h"
#include "framework/core/component_writer.h"
#include "framework/core/desc_parser.h"
#include "framework/core/desc_writer.h"
#include "framework/core/error.h"
#include "tests/framework/core/test_components.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& first, const std::string& second) {
  std::fprintf(stderr, "%s:\n--- first\n%s--- second\n%s", what, first.c_str(), second.c_str());
  std::abort();
}

std::string LoadAndWrite(const fw::desc::Object& tree) {
  std::unique_ptr<fw::Component> root(fw::CreateRoot(tree, nullptr));
  return fw::WriteRootText(root.get());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = (fw::testing::RegisterTestClasses(), true);
  (void)registered;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  fw::desc::Object tree;
  std::string first;
  try {
    tree = fw::desc::Parse(text);
    first = fw::desc::Write(tree);
  } catch (const fw::Error&) {
    return 0;
  }
  // Canonical text must always parse again (any exception escapes and is reported).
  std::string second = fw::desc::Write(fw::desc::Parse(first));
  if (first != second) Fail("not a fixed point", first, second);

  // Into components: errors are fine, crashes and leaks are not.
  std::string loaded;
  try {
    loaded = LoadAndWrite(tree);
  } catch (const fw::Error&) {
    return 0;
  }
  std::string reloaded = LoadAndWrite(fw::desc::Parse(loaded));
  if (loaded != reloaded) Fail("components do not round-trip", loaded, reloaded);
  return 0;
}
