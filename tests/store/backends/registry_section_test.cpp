// The registry back-end against the real registry, under a test key of HKEY_CURRENT_USER that is
// deleted before and after every test.
#include "store/backends/registry_section.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>

#include "framework/core/error.h"

namespace gv::store {
namespace {

using Lines = std::vector<std::string>;

constexpr char kPath[] = "Software\\GorvaleStoreTest";

void DeleteTree(HKEY parent, const char* name) {
  HKEY key;
  if (RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  char child[256];
  DWORD length = sizeof(child);
  while (RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
    DeleteTree(key, child);
    length = sizeof(child);
  }
  RegCloseKey(key);
  RegDeleteKeyA(parent, name);
}

bool KeyExists(const std::string& path) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void SetRaw(const std::string& name, DWORD type, const void* data, DWORD size) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kPath) + "\\settings").c_str(), 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const fw::Error& e) {
    return e.what();
  }
  return "(no error)";
}

class RegistrySectionTest : public ::testing::Test {
 protected:
  void SetUp() override { DeleteTree(HKEY_CURRENT_USER, kPath); }
  void TearDown() override {
    DeleteTree(HKEY_CURRENT_USER, kPath);
    EXPECT_FALSE(KeyExists(kPath));
  }

  RegistrySection registry_;
};

TEST_F(RegistrySectionTest, ValuesAreStoredAsTheyAre) {
  registry_.WriteSection(kPath, "settings", {"IntEdit1.Text='1'", "CheckBox1.Checked=False", "Hint= x "});
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(kPath) + "\\settings").c_str(), 0, KEY_READ, &key),
            ERROR_SUCCESS);
  char data[64] = {};
  DWORD size = sizeof(data);
  DWORD type = 0;
  EXPECT_EQ(RegQueryValueExA(key, "IntEdit1.Text", nullptr, &type, reinterpret_cast<BYTE*>(data), &size),
            ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_STREQ(data, "'1'");
  // The order is the registry's: Wine's is sorted by name, not the order of writing.
  Lines read = registry_.ReadSection(kPath, "settings");
  std::sort(read.begin(), read.end());
  EXPECT_EQ(read, (Lines{"CheckBox1.Checked=False", "Hint= x ", "IntEdit1.Text='1'"}));
}

TEST_F(RegistrySectionTest, AWriteDeletesTheSectionWithItsSubkeys) {
  registry_.WriteSection(kPath, "settings", {"A=1", "B=2"});
  HKEY below;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kPath) + "\\settings\\below\\deeper").c_str(), 0,
                            nullptr, 0, KEY_ALL_ACCESS, nullptr, &below, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(below);
  registry_.WriteSection(kPath, "settings", {"B=3"});
  EXPECT_EQ(registry_.ReadSection(kPath, "settings"), (Lines{"B=3"}));
  EXPECT_FALSE(KeyExists(std::string(kPath) + "\\settings\\below"));
  // Nothing to write leaves no section at all.
  registry_.WriteSection(kPath, "settings", {"no equals sign"});
  EXPECT_FALSE(KeyExists(std::string(kPath) + "\\settings"));
}

TEST_F(RegistrySectionTest, KeysAreOneWhateverTheirCase) {
  registry_.WriteSection(kPath, "settings", {"CheckBox1.Checked=True", "Tag=1", "checkbox1.checked=False"});
  EXPECT_EQ(registry_.ReadSection(kPath, "settings"), (Lines{"CheckBox1.Checked=False", "Tag=1"}));
}

TEST_F(RegistrySectionTest, MissingKeysAndEmptyValuesReadEmpty) {
  EXPECT_TRUE(registry_.ReadSection(kPath, "settings").empty());
  registry_.WriteSection(kPath, "settings", {"Edit1.Text=", "Tag=1"});
  SetRaw("Blank", REG_BINARY, "", 0);  // no data at all reads as empty, whatever its type
  EXPECT_EQ(registry_.ReadSection(kPath, "settings"), (Lines{"Tag=1"}));
}

TEST_F(RegistrySectionTest, LongValuesRoundTrip) {
  const std::string extra = "'" + std::string(5000, 'x') + "'";
  registry_.WriteSection(kPath, "settings", {"editExtra.Text=" + extra});
  EXPECT_EQ(registry_.ReadSection(kPath, "settings"), (Lines{"editExtra.Text=" + extra}));
}

// One value of another type costs that value alone: the others come back, and it is reported.
TEST_F(RegistrySectionTest, AValueOfAnotherTypeIsLeftOutAndReported) {
  registry_.WriteSection(kPath, "settings", {"Edit1.Text='a'", "Tag=1"});
  const DWORD number = 5;
  SetRaw("Count", REG_DWORD, &number, sizeof(number));
  SetRaw("Raw", REG_BINARY, "\x01\x02", 2);
  std::vector<SkippedEntry> unread;
  EXPECT_EQ(registry_.ReadSection(kPath, "settings", unread), (Lines{"Edit1.Text='a'", "Tag=1"}));
  ASSERT_EQ(unread.size(), 2u);
  EXPECT_EQ(unread[0].key + ": " + unread[0].reason, "Count: Invalid data type");
  EXPECT_EQ(unread[1].key, "Raw");
}

TEST_F(RegistrySectionTest, Errors) {
  // Key names stop at 255 characters and value names at 16383.
  const std::string longSection(300, 's');
  EXPECT_EQ(ErrorOf([&] { registry_.WriteSection(kPath, longSection, {"A=1"}); }),
            "Failed to create key " + longSection);
  const std::string longName(20000, 'n');
  EXPECT_EQ(ErrorOf([&] {
              registry_.WriteSection(kPath, "settings", {"A=1", longName + "=1"});
            }),
            "Failed to set data for '" + longName + "'");
  EXPECT_EQ(registry_.ReadSection(kPath, "settings"), (Lines{"A=1"}));  // partly written stays so
}

}  // namespace
}  // namespace gv::store
