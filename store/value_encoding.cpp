#include "store/value_encoding.h"

#include <utility>

#include "store/section_lines.h"

namespace store {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  return s;
}

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view Trim(std::string_view s) { return TrimRight(TrimLeft(s)); }

bool EndsWith(std::string_view s, char c) { return !s.empty() && s.back() == c; }

std::string Str(std::string_view s) { return std::string(s); }

// The property path of a line that opens a list, collection or binary value ("Lines.Strings = (").
std::string OpeningPath(std::string_view line) { return Str(Trim(line.substr(0, line.find('=')))); }

std::string ItemPrefix(const std::string& base, const std::string& header, int n) {
  return base + "<" + header + "(" + std::to_string(n) + ")>.";
}

void FlattenList(const std::vector<std::string>& lines, size_t& index, const std::string& key_prefix,
                 std::vector<std::string>& entries) {
  const std::string key = key_prefix + OpeningPath(lines[index]);
  ++index;
  for (int n = 0; index < lines.size(); ++n) {
    std::string_view element = Trim(lines[index++]);
    const bool last = EndsWith(element, ')');
    if (last) element.remove_suffix(1);
    entries.push_back(key + "(" + std::to_string(n) + ")=" + Str(element));
    if (last) break;
  }
}

void FlattenCollection(const std::vector<std::string>& lines, size_t& index, const std::string& key_prefix,
                       const std::string& section_prefix, BinaryRows& binary,
                       std::vector<std::string>& entries) {
  const std::string base = key_prefix + OpeningPath(lines[index]);
  ++index;
  if (index >= lines.size()) return;
  const std::string header = Str(Trim(lines[index]));
  int n = 0;
  std::string item_prefix = ItemPrefix(base, header, n);
  while (index < lines.size()) {
    const std::string_view text = Trim(lines[index]);
    if (text == "end>") {
      ++index;
      break;
    }
    if (text == header) {
      ++index;
    } else if (text == "end") {
      item_prefix = ItemPrefix(base, header, ++n);
      ++index;
    } else {
      FlattenProperty(lines, index, item_prefix, section_prefix, binary, entries);
    }
  }
}

void FlattenBinary(const std::vector<std::string>& lines, size_t& index, const std::string& key_prefix,
                   const std::string& section_prefix, BinaryRows& binary, std::vector<std::string>& entries) {
  const std::string path = key_prefix + OpeningPath(lines[index]);
  const std::string section = section_prefix + path;
  entries.push_back(path + "{}=" + section);
  ++index;
  std::vector<std::string> rows;
  while (index < lines.size()) {
    std::string_view row = Trim(lines[index++]);
    const bool last = EndsWith(row, '}');
    if (last) row.remove_suffix(1);
    if (!row.empty()) rows.push_back(Str(row));
    if (last) break;
  }
  binary.WriteRows(section, rows);
}

// A one-line property "Path = value" becomes "Path=value", the value whole whatever its length.
void FlattenOneLine(std::string_view line, const std::string& key_prefix, std::vector<std::string>& entries) {
  const std::string_view text = Trim(line);
  const size_t eq = text.find('=');
  if (eq == std::string_view::npos) return;
  entries.push_back(key_prefix + Str(TrimRight(text.substr(0, eq))) + "=" +
                    Str(TrimLeft(text.substr(eq + 1))));
}

std::string Spaces(int n) { return std::string(static_cast<size_t>(n), ' '); }

std::string_view KeyOf(std::string_view line) { return line.substr(0, line.find('=')); }

// True when the key of the line continues the list called name ("Name(n)").
bool InList(std::string_view line, std::string_view name) {
  if (line.find('=') == std::string_view::npos) return false;
  const std::string_view key = KeyOf(line);
  const size_t paren = key.find('(');
  return paren != std::string_view::npos && key.substr(0, paren) == name;
}

// True when the key of the line belongs to the collection called name ("Name<item(n)>.inner").
bool InCollection(std::string_view line, std::string_view name) {
  if (line.find('=') == std::string_view::npos) return false;
  const std::string_view key = KeyOf(line);
  const size_t angle = key.find('<');
  return angle != std::string_view::npos && key.substr(0, angle) == name;
}

size_t RebuildList(const std::vector<std::string>& lines, size_t i, int indentation,
                   std::vector<std::string>& out) {
  const std::string_view key = KeyOf(lines[i]);
  const std::string name = Str(key.substr(0, key.find('(')));
  out.push_back(Spaces(indentation) + name + " = (");
  for (; i < lines.size() && InList(lines[i], name); ++i) {
    out.push_back(Spaces(indentation + 2) + lines[i].substr(lines[i].find('=') + 1));
  }
  out.back() += ")";
  return i;
}

void RebuildBinary(const std::string& line, int indentation, BinaryRows& binary,
                   std::vector<std::string>& out) {
  EntryParts parts;
  SplitEntry(line, parts);
  const std::string name = Str(parts.key.substr(0, parts.key.find('{')));
  out.push_back(Spaces(indentation) + name + "= {");
  for (const std::string& row : binary.ReadRows(Str(parts.value)))
    out.push_back(Spaces(indentation + 2) + row);
  out.back() += "}";
}

size_t RebuildCollection(const std::vector<std::string>& lines, size_t i, int indentation, BinaryRows& binary,
                         std::vector<std::string>& out, std::vector<std::string>* top_collections) {
  const std::string_view key = KeyOf(lines[i]);
  const size_t angle = key.find('<');
  const std::string name = Str(key.substr(0, angle));
  const size_t header_end = key.find_first_of("(>", angle);
  const std::string header = Str(key.substr(angle + 1, header_end - angle - 1));
  if (top_collections) top_collections->push_back(name);

  // Items in the order of the lines: a run of lines with the same "Name<item(n)>." prefix is one
  // item, whatever its number says.
  std::vector<std::pair<std::string, std::vector<std::string>>> items;
  for (; i < lines.size() && InCollection(lines[i], name); ++i) {
    const size_t end = KeyOf(lines[i]).find(">.", angle);
    if (end == std::string_view::npos) continue;  // no property of an item
    std::string prefix = lines[i].substr(0, end + 2);
    if (items.empty() || items.back().first != prefix)
      items.emplace_back(std::move(prefix), std::vector<std::string>());
    items.back().second.push_back(lines[i].substr(end + 2));
  }

  if (items.empty()) {
    out.push_back(Spaces(indentation) + name + " = <>");
    return i;
  }
  out.push_back(Spaces(indentation) + name + " = <");
  for (size_t k = 0; k < items.size(); ++k) {
    out.push_back(Spaces(indentation + 2) + header);
    RebuildProperties(items[k].second, indentation + 4, binary, out, nullptr);
    out.push_back(Spaces(indentation + 2) + (k + 1 < items.size() ? "end" : "end>"));
  }
  return i;
}

}  // namespace

std::string LinePropertyName(std::string_view line) {
  const std::string_view text = TrimLeft(line);
  const size_t dot = text.find('.');
  const size_t eq = text.find('=');
  if (dot != std::string_view::npos && eq != std::string_view::npos && dot < eq)
    return Str(text.substr(0, dot));
  const size_t end = text.find_first_of(" =");
  return end == std::string_view::npos ? std::string() : Str(text.substr(0, end));
}

bool IsObjectHeader(std::string_view line) { return TrimLeft(line).substr(0, 7) == "object "; }

std::string HeaderComponentName(std::string_view line) {
  if (!IsObjectHeader(line)) return std::string();
  const std::string_view rest = TrimLeft(line).substr(7);
  const size_t colon = rest.find(':');
  return colon == std::string_view::npos ? std::string() : Str(rest.substr(0, colon));
}

int Indentation(std::string_view line) {
  int n = 0;
  while (static_cast<size_t>(n) < line.size() && line[n] == ' ') ++n;
  return n;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(Str(text.substr(start)));
      break;
    }
    lines.push_back(Str(text.substr(start, end - start)));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

void FlattenProperty(const std::vector<std::string>& lines, size_t& index, const std::string& key_prefix,
                     const std::string& section_prefix, BinaryRows& binary,
                     std::vector<std::string>& entries) {
  if (index >= lines.size()) return;
  const std::string_view line = TrimRight(lines[index]);
  const char last = line.empty() ? '\0' : line.back();
  if (last == '(') {
    FlattenList(lines, index, key_prefix, entries);
  } else if (last == '<') {
    FlattenCollection(lines, index, key_prefix, section_prefix, binary, entries);
  } else if (last == '{') {
    FlattenBinary(lines, index, key_prefix, section_prefix, binary, entries);
  } else {
    FlattenOneLine(line, key_prefix, entries);
    ++index;
  }
}

void RebuildProperties(const std::vector<std::string>& lines, int indentation, BinaryRows& binary,
                       std::vector<std::string>& out, std::vector<std::string>* top_collections) {
  size_t i = 0;
  while (i < lines.size()) {
    const std::string& line = lines[i];
    if (line.find('=') == std::string::npos) {
      ++i;
      continue;
    }
    const std::string_view key = KeyOf(line);
    if (key.find('<') != std::string_view::npos) {
      i = RebuildCollection(lines, i, indentation, binary, out, top_collections);
    } else if (key.find('(') != std::string_view::npos) {
      i = RebuildList(lines, i, indentation, out);
    } else if (key.find('{') != std::string_view::npos) {
      RebuildBinary(line, indentation, binary, out);
      ++i;
    } else {
      out.push_back(Spaces(indentation) + line);
      ++i;
    }
  }
}

std::string BuildObjectText(const std::string& name, const std::string& class_name,
                            const std::vector<std::string>& lines, BinaryRows& binary,
                            std::vector<std::string>* top_collections) {
  std::vector<std::string> body;
  RebuildProperties(lines, 2, binary, body, top_collections);
  std::string text = "object " + name + ": " + class_name + "\r\n";
  for (const std::string& line : body) text += line + "\r\n";
  text += "end\r\n";
  return text;
}

}  // namespace store
