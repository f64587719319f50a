// The compact binary form of a window description, which the build stores in the program in
// place of the text (tools/formcheck --compile): the same tree, with every name and string kept
// once in a table, numbers as variable-length integers and binary data as raw bytes, so that
// pictures take half the room of their hexadecimal text. Line numbers are not kept.
//
// Layout: the signature; the string table (count, then each string as length and bytes); the
// root object. Object: kind byte, name and class name (table indexes), index (signed), the
// properties (count, then name index and value each) and the children (count, objects). Value:
// type byte, then an integer (signed), a float (8 bytes, IEEE little-endian), a string or
// identifier (table index), set members (count, indexes), list elements (count, values),
// collection items (count, each its properties) or binary data (length, bytes). Counts, lengths
// and indexes are unsigned LEB128; signed numbers are zigzag-coded first.
#pragma once

#include <string>
#include <string_view>

#include "framework/core/desc_tree.h"

namespace fw::desc {

// Every binary description starts with these four bytes; description text never starts with NUL.
inline constexpr std::string_view kBinarySignature{"\0FD1", 4};

inline bool IsBinary(std::string_view data) {
  return data.substr(0, kBinarySignature.size()) == kBinarySignature;
}

std::string WriteBinary(const Object& root);

// Throws fw::Error ("Invalid compiled description") on damaged or truncated data.
Object ReadBinary(std::string_view data);

}  // namespace fw::desc
