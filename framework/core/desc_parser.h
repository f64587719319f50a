// Parser of description text: one root object with its properties and child objects.
#pragma once

#include <string_view>

#include "framework/core/desc_tree.h"

namespace fw::desc {

// Nesting of objects, lists and collections deeper than this is rejected.
constexpr int kMaxNesting = 100;

// Parses the text of one root object, or reads its compiled binary form (desc_binary.h), which
// the program carries in place of the text. Throws fw::ParseError ("<what> on line <n>") on the first
// syntax error. Line ends may be CR LF, LF or CR, mixed; a leading UTF-8 byte-order mark is
// skipped; text after the root's "end" other than blanks is an error.
Object Parse(std::string_view text);

// Parses one value as it stands after "Name = " (a list or collection may span lines); nothing
// but blanks may follow it. Throws fw::ParseError as Parse does.
Value ParseValue(std::string_view text);

}  // namespace fw::desc
