// A test window read from description text with the store "AutoPS" on the in-memory platform.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "store/entries/section_lines.h"
#include "tests/store/store_test_components.h"

namespace gv::store_test {

using Lines = std::vector<std::string>;

// Edit1 and Edit2 on the window, CheckBox1..2 and RadioButton1..2 on Panel1, a list box, a grid,
// the store last but made first, so that it runs on the test platform when the window is read.
extern const char kWindowText[];

class StoreTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterTestClasses(); }

  // Reads the window from text (kWindowText by default); the store's Loaded runs as it would.
  std::unique_ptr<TTestWindow> Load(const std::string& text = kWindowText);

  template <class T>
  static T* Find(fw::Component* window, const char* name) {
    return dynamic_cast<T*>(window->FindComponent(name));
  }
  static TAutoPropertiesStore* Store(fw::Component* window) {
    return Find<TAutoPropertiesStore>(window, "AutoPS");
  }

  Lines Section() const { return storage_.files.StoredLines("test.ini", "settings"); }
  // A line as the settings file holds it after a write of key=value.
  void PutLine(const std::string& key, const std::string& value) {
    storage_.files.PutStoredLine("test.ini", "settings", key, store::QuoteProfileValue(value));
  }

  TestStorage storage_;
};

}  // namespace gv::store_test
