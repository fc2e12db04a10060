#pragma once
// Numbers in the host's 16- and 32-bit variables. A conversion that does not fit gives nothing,
// and the caller then leaves its variable as it was: a settings file holding "40000" or "abc"
// for a 16-bit setting keeps the setting's earlier value.

#include <cstdint>
#include <optional>
#include <string_view>

namespace altostrat {

// The parts of a decimal number as written: digits before and after the point, and the
// exponent's digits. Either digit run may be empty, not both.
struct DecimalParts {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    bool exponentNegative = false;
    std::string_view exponentDigits;
};

// The text without the blanks and tabs around it.
std::string_view TrimBlanks(std::string_view text);

// The run of decimal digits starting at s[i]; i moves past it.
std::string_view DigitRun(std::string_view s, std::size_t& i);

// An optional sign, digits and an optional fraction starting at s[i], into parts; i moves past
// them. False when neither digit run has a digit.
bool ReadSignedDigits(std::string_view s, std::size_t& i, DecimalParts& parts);

// The nearest double; too large gives an infinity, too small a zero (both with the sign).
double DecimalValue(const DecimalParts& parts);

// A whole text that is a number: blanks and tabs around it, an optional sign, digits with an
// optional fraction (".5" and "5." count), an optional exponent (E, with digits). Nothing for
// anything else, the empty text included.
std::optional<double> ParseNumericText(std::string_view text);

// To the nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4, -2.5 gives -2).
// Nothing for NaN and infinities.
std::optional<double> RoundHalfEven(double value);

// Rounded down (toward minus infinity: -0.5 gives -1), or halves to even, into 16 bits.
std::optional<std::int16_t> FloorToInt16(double value);
std::optional<std::int16_t> RoundToInt16(double value);

// A number text converted in one go: nothing when the text is not a number or does not fit.
std::optional<std::int16_t> TextFloorToInt16(std::string_view text);
std::optional<std::int16_t> TextRoundToInt16(std::string_view text);

}  // namespace altostrat
