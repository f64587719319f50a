// Decimal text of doubles, exact in both directions: the double nearest to a decimal number, and
// a double's decimal digits correctly rounded. Independent of the C library, its locale and its
// rounding quirks; on Windows the library's own conversions would also bring mingw's printf and
// strtod into the program (some 40 KB).
#pragma once

#include <string>
#include <string_view>

namespace fw {

// The double nearest to `text`, ties to even: an optional "-", digits, optionally "." and more
// digits, optionally "e" or "E", an optional sign and digits (as the description lexer accepts
// them). False when the text is not such a number, or when its value is too large for a double
// or so small, though not zero, that it would read as zero.
bool ParseDouble(std::string_view text, double& value);

// A finite `value` with `digits` (1 to 17) significant digits, correctly rounded (ties to even),
// in the form printf's "%.*g" gives it: "0.125", "1e+20", "-2.5e-07", "-0".
std::string FormatDouble(double value, int digits);

}  // namespace fw
