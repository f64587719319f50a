#include "store/backends/registry_section.h"

#include <windows.h>

#include "framework/core/error.h"
#include "store/entries/section_lines.h"

namespace gv::store {

namespace {

// An open registry key, closed when it goes.
class RegKey {
 public:
  RegKey() = default;
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  ~RegKey() {
    if (key_) RegCloseKey(key_);
  }

  HKEY Get() const { return key_; }
  HKEY* Receive() { return &key_; }  // only on a key not yet open

 private:
  HKEY key_ = nullptr;
};

bool CreateKey(HKEY parent, const std::string& path, RegKey& key) {
  return RegCreateKeyExA(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                         key.Receive(), nullptr) == ERROR_SUCCESS;
}

// Deletes a key and everything below it; failures are ignored.
void DeleteKeyTree(HKEY parent, const std::string& name) {
  {
    RegKey key;
    if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_ALL_ACCESS, key.Receive()) != ERROR_SUCCESS) return;
    std::vector<std::string> children;
    char child[256];  // key names have at most 255 characters
    for (DWORD i = 0;; ++i) {
      DWORD length = sizeof(child);
      if (RegEnumKeyExA(key.Get(), i, child, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        break;
      children.emplace_back(child, length);
    }
    for (const std::string& c : children) DeleteKeyTree(key.Get(), c);
  }
  RegDeleteKeyA(parent, name.c_str());
}

std::vector<std::string> ValueNames(HKEY key) {
  DWORD longest = 0;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longest, nullptr,
                   nullptr, nullptr);
  std::vector<char> buffer(longest + 1);
  std::vector<std::string> names;
  for (DWORD i = 0;;) {
    DWORD length = static_cast<DWORD>(buffer.size());
    const LONG result = RegEnumValueA(key, i, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_MORE_DATA) {
      buffer.resize(buffer.size() * 2);
      continue;
    }
    if (result != ERROR_SUCCESS) break;
    names.emplace_back(buffer.data(), length);
    ++i;
  }
  return names;
}

// A string value, up to its first NUL; false for a value of another type.
bool ReadString(HKEY key, const std::string& name, std::string& text) {
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
    throw fw::Error("Failed to get data for '" + name + "'");
  }
  text.clear();
  if (size == 0) return true;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
  std::vector<char> data(size + 1, '\0');
  DWORD read = size;
  if (RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &read) !=
      ERROR_SUCCESS) {
    throw fw::Error("Failed to get data for '" + name + "'");
  }
  text = data.data();
  return true;
}

}  // namespace

// A value of another type than text is one bad entry, not a bad section: it is left out and
// reported, and the others are applied.
std::vector<std::string> RegistrySection::ReadSection(const std::string& file, const std::string& section,
                                                      std::vector<SkippedEntry>& unread) {
  std::vector<std::string> lines;
  RegKey path;
  if (!CreateKey(HKEY_CURRENT_USER, file, path)) return lines;
  RegKey sub;
  if (RegOpenKeyExA(path.Get(), section.c_str(), 0, KEY_READ, sub.Receive()) != ERROR_SUCCESS) return lines;
  for (const std::string& name : ValueNames(sub.Get())) {
    std::string value;
    if (ReadString(sub.Get(), name, value))
      PutSectionLine(lines, name, value);
    else
      unread.push_back({name, "Invalid data type"});
  }
  return lines;
}

void RegistrySection::WriteSection(const std::string& file, const std::string& section,
                                   const std::vector<std::string>& lines) {
  RegKey path;
  if (!CreateKey(HKEY_CURRENT_USER, file, path)) throw fw::Error("Failed to create key " + file);
  // An empty section name would stand for the key path itself and all its sections.
  if (!section.empty()) DeleteKeyTree(path.Get(), section);
  RegKey sub;
  for (const std::string& line : lines) {
    EntryParts parts;
    if (!SplitEntry(line, parts) || parts.key.empty()) continue;
    if (!sub.Get() && !CreateKey(path.Get(), section, sub))
      throw fw::Error("Failed to create key " + section);
    const std::string key(parts.key);
    const std::string value(parts.value);
    if (RegSetValueExA(sub.Get(), key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1)) != ERROR_SUCCESS) {
      throw fw::Error("Failed to set data for '" + key + "'");
    }
  }
}

}  // namespace gv::store
