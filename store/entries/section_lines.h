// Rules shared by every place that keeps sections of key=value lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gv::store {

// One key=value line split at its first "=".
struct EntryParts {
  std::string_view key;
  std::string_view value;
};

// False for a line without "=".
bool SplitEntry(std::string_view line, EntryParts& parts);

// The text without the blanks (spaces and tabs) around it, as the profile functions read names
// and values.
std::string_view TrimBlanks(std::string_view text);

// Puts key=value into a section read or written so far: a line already holding the key (without
// regard to case) keeps its place and its key's spelling and takes the value, else the line is
// appended. An empty value adds nothing and removes a line already holding the key.
void PutSectionLine(std::vector<std::string>& lines, std::string_view key, std::string_view value);

// The profile functions remove one pair of enclosing quotes when they read a value back; a value
// that begins with a single quote is therefore written with one more single quote at each end.
std::string QuoteProfileValue(std::string_view value);

// What the profile functions make of a stored value on reading: surrounding blanks removed, then
// one pair of enclosing quotes (both single or both double).
std::string_view UnquoteProfileValue(std::string_view value);

}  // namespace gv::store
