// Small text helpers shared by the platform-free code.
#pragma once

#include <string>
#include <string_view>

namespace fw {

// Compares without regard to ASCII case, as names in description text are compared.
bool SameText(std::string_view a, std::string_view b);
// Orders without regard to ASCII case: negative, zero or positive as a sorts before, with or
// after b; zero exactly where SameText holds.
int CompareText(std::string_view a, std::string_view b);

// True for a Pascal-style identifier: a letter or "_", then letters, digits or "_".
bool IsIdentifier(std::string_view s);

}  // namespace fw
