#include "store/entries/property_entries.h"

#include <string_view>
#include <utility>

#include "framework/core/desc_parser.h"
#include "framework/core/desc_writer.h"
#include "framework/core/error.h"

namespace gv::store {

namespace {

using fw::desc::Property;
using fw::desc::Value;

// Binary data of a row or more: its rows to a section of their own, named by the entry "{}".
void FlattenBinaryRows(const std::string& key, const std::string& bytes, const std::string& sectionPrefix,
                       BinaryRows& binary, std::vector<std::string>& entries) {
  const std::string section = sectionPrefix + key;
  entries.push_back(key + "{}=" + section);
  std::vector<std::string> rows;
  for (size_t i = 0; i < bytes.size(); i += fw::desc::kBinaryRowBytes)
    rows.push_back(fw::desc::HexText(std::string_view(bytes).substr(i, fw::desc::kBinaryRowBytes)));
  binary.WriteRows(section, rows);
}

// Nested collections deeper than the parser takes are no value of ours.
constexpr int kMaxDepth = fw::desc::kMaxNesting;

class Rebuilder {
 public:
  Rebuilder(BinaryRows& binary, std::vector<EntryFault>& faults) : binary_(binary), faults_(faults) {}

  std::vector<Property> Properties(const std::vector<Entry>& entries, int depth) {
    std::vector<Property> out;
    size_t i = 0;
    while (i < entries.size()) {
      const std::string& key = entries[i].key;
      if (key.find('<') != std::string::npos) {
        i = Collection(entries, i, depth, out);
      } else if (key.find('(') != std::string::npos) {
        i = List(entries, i, out);
      } else if (key.find('{') != std::string::npos) {
        Binary(entries[i++], out);
      } else {
        Value value;
        if (Parse(entries[i].value, entries[i].number, value))
          out.push_back({key, std::move(value), entries[i].number});
        ++i;
      }
    }
    return out;
  }

 private:
  bool Parse(const std::string& text, int number, Value& value) {
    try {
      value = fw::desc::ParseValue(text);
      return true;
    } catch (const fw::ParseError& error) {
      faults_.push_back({number, error.Reason()});
      return false;
    }
  }

  // "Name(n)" keys in a row make one list; an element that does not parse costs the list.
  size_t List(const std::vector<Entry>& entries, size_t i, std::vector<Property>& out) {
    const std::string name = entries[i].key.substr(0, entries[i].key.find('('));
    Property list{name, fw::desc::MakeList({}), entries[i].number};
    bool whole = true;
    for (; i < entries.size() && Continues(entries[i].key, '(', name); ++i) {
      Value element;
      if (Parse(entries[i].value, entries[i].number, element))
        list.value.list.push_back(std::move(element));
      else
        whole = false;
    }
    if (whole) out.push_back(std::move(list));
    return i;
  }

  // "Name{}" names the section of the binary-data file that holds the rows.
  void Binary(const Entry& entry, std::vector<Property>& out) {
    std::string text = "{";
    for (const std::string& row : binary_.ReadRows(entry.value)) text += row;
    text += "}";
    Value value;
    if (Parse(text, entry.number, value))
      out.push_back({entry.key.substr(0, entry.key.find('{')), value, entry.number});
  }

  // "Name<item(n)>.Inner" keys in a row make one collection. Each entry goes to the item its
  // number names: an item whose values are all defaults has no entries, and the items after it
  // keep their places.
  size_t Collection(const std::vector<Entry>& entries, size_t i, int depth, std::vector<Property>& out) {
    const size_t angle = entries[i].key.find('<');
    const std::string name = entries[i].key.substr(0, angle);
    Property collection{name, fw::desc::MakeCollection({}), entries[i].number};
    if (depth >= kMaxDepth) {
      for (; i < entries.size() && Continues(entries[i].key, '<', name); ++i)
        faults_.push_back({entries[i].number, "Nesting too deep"});
      return i;
    }
    int item = -1;
    std::vector<Entry> itemEntries;
    const auto closeItem = [&] {
      if (item < 0) return;
      std::vector<fw::desc::Item>& items = collection.value.items;
      while (items.size() <= static_cast<size_t>(item)) items.push_back({});
      for (Property& p : Properties(itemEntries, depth + 1))
        items[static_cast<size_t>(item)].props.push_back(std::move(p));
      itemEntries.clear();
    };
    for (; i < entries.size() && Continues(entries[i].key, '<', name); ++i) {
      const std::string& key = entries[i].key;
      const size_t end = key.find(">.", angle);
      const int number =
          end == std::string::npos ? -1 : ItemNumber(std::string_view(key).substr(angle, end + 1 - angle));
      if (number < 0) {
        faults_.push_back({entries[i].number, "Invalid property value"});
        continue;
      }
      if (number != item) {
        closeItem();
        item = number;
      }
      itemEntries.push_back({key.substr(end + 2), entries[i].value, entries[i].number});
    }
    closeItem();
    out.push_back(std::move(collection));
    return i;
  }

  // n of "<item(n)>", or -1. Past kMaxItems a number is no item of ours.
  static int ItemNumber(std::string_view prefix) {
    constexpr int kMaxItems = 4096;
    constexpr std::string_view kOpen = "<item(", kClose = ")>";
    if (prefix.size() <= kOpen.size() + kClose.size() || prefix.substr(0, kOpen.size()) != kOpen ||
        prefix.substr(prefix.size() - kClose.size()) != kClose)
      return -1;
    int number = 0;
    for (const char c : prefix.substr(kOpen.size(), prefix.size() - kOpen.size() - kClose.size())) {
      if (c < '0' || c > '9') return -1;
      number = number * 10 + (c - '0');
      if (number >= kMaxItems) return -1;
    }
    return number;
  }

  // True when key goes on with the property called name, opened by mark ("Name(" or "Name<").
  static bool Continues(const std::string& key, char mark, const std::string& name) {
    const size_t at = key.find(mark);
    return at == name.size() && key.compare(0, at, name) == 0;
  }

  BinaryRows& binary_;
  std::vector<EntryFault>& faults_;
};

}  // namespace

void FlattenProperty(const Property& property, const std::string& keyPrefix, const std::string& sectionPrefix,
                     BinaryRows& binary, std::vector<std::string>& entries) {
  const std::string key = keyPrefix + property.name;
  const Value& value = property.value;
  if (value.type == Value::Type::List && !value.list.empty()) {
    for (size_t n = 0; n < value.list.size(); ++n)
      entries.push_back(key + "(" + std::to_string(n) + ")=" + fw::desc::WriteValue(value.list[n], 0));
    return;
  }
  if (value.type == Value::Type::Collection && !value.items.empty()) {
    for (size_t n = 0; n < value.items.size(); ++n) {
      const std::string itemPrefix = key + "<item(" + std::to_string(n) + ")>.";
      for (const Property& inner : value.items[n].props)
        FlattenProperty(inner, itemPrefix, sectionPrefix, binary, entries);
    }
    return;
  }
  if (value.type == Value::Type::Binary && value.text.size() >= fw::desc::kBinaryRowBytes)
    return FlattenBinaryRows(key, value.text, sectionPrefix, binary, entries);
  entries.push_back(key + "=" + fw::desc::WriteValue(value, 0));
}

std::vector<Property> RebuildProperties(const std::vector<Entry>& entries, BinaryRows& binary,
                                        std::vector<EntryFault>& faults) {
  return Rebuilder(binary, faults).Properties(entries, 0);
}

}  // namespace gv::store
