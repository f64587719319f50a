// The text of a whole profile file with some of its sections replaced: what the profile-file
// back-end writes in one step. The lines come out as the profile functions write them key by key
// ("[name]", then "key=value", each ending in CR LF), so that a file holding only our sections
// has the same bytes either way.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/storage_interfaces.h"

namespace gv::store {

// The section's lines as a profile write of each entry in turn leaves them: keys and values
// without the blanks around them, a value that begins with a single quote inside one more pair,
// a key written again keeping its first place and spelling and taking the last value, lines
// without "=", without a key or with an empty value (which reads as no value) left out.
std::vector<std::string> ProfileLines(const std::vector<std::string>& entries);

// text with each section (its entries made into ProfileLines) replaced where it first stands
// (headers matched without regard to case; later sections of the same name dropped) or, when it
// is not there, added at the end. A section without lines is removed. Everything else (text
// before the first header, the other sections, the blank lines that end a section) is kept byte
// for byte.
std::string ReplaceSections(std::string_view text, const std::vector<SectionLines>& sections);

}  // namespace gv::store
