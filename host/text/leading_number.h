#pragma once
// The number at the start of a text, read the forgiving way the screensaver command line needs
// ("/p 1234" hands over the preview window as "1234"):
//   - blanks, tabs and line feeds are ignored wherever they stand ("1 2" reads 12);
//   - reading stops at the first character that cannot continue the number ("12ab" reads 12);
//   - "&H" and "&O" introduce hexadecimal and octal digits ("&H1F" reads 31);
//   - a decimal number may have a sign, a fraction and an exponent (E or D);
//   - no number at all reads 0.

#include <cstdint>
#include <optional>
#include <string_view>

namespace altostrat {

// The value as a double; a decimal number too large for a double gives an infinity.
double LeadingNumber(std::string_view text);

// The leading number rounded to the nearest integer (halves to even) and held in 32 bits.
// Values from -2^31 up to 2^32 - 1 are accepted, the upper half wrapping to negative, so that a
// window handle written as an unsigned number arrives intact; anything else gives nothing.
std::optional<std::int32_t> LeadingNumberAsInt32(std::string_view text);

}  // namespace altostrat
