// Writer of canonical description text: two spaces per level, CR LF after every line.
#pragma once

#include <string>
#include <string_view>

#include "framework/core/desc_tree.h"

namespace fw::desc {

// Binary data of this many bytes or more goes on rows of this many bytes below its property.
constexpr size_t kBinaryRowBytes = 32;

// The canonical text of an object and everything below it. Throws fw::Error for what has no text
// form: a float that is infinite or not a number, a name or identifier that is not one.
std::string Write(const Object& root);

// One value as it stands after "Name = " on a line at the given nesting level.
std::string WriteValue(const Value& value, int level);

// Bytes as two upper-case hexadecimal digits each, as binary data is written.
std::string HexText(std::string_view bytes);

// A string in quoted runs and "#" codes ("'it'#39's'"; "''" when empty).
std::string QuoteString(const std::string& text);

}  // namespace fw::desc
