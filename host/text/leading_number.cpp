#include "host/text/leading_number.h"

#include <string>

#include "host/text/number_conversion.h"

namespace altostrat {

namespace {

bool IsIgnored(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

// The text without the characters that never count.
std::string Significant(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (!IsIgnored(c)) {
            out += c;
        }
    }
    return out;
}

double RadixNumber(std::string_view digits, int radix) {
    double value = 0;
    for (char c : digits) {
        const int digit = DigitValue(c);
        if (digit >= radix) {
            break;
        }
        value = value * radix + digit;  // exact up to 2^53, and no integer overflow beyond
    }
    return value;
}

// Sign, digits, fraction and exponent as far as they go; what follows is ignored.
double DecimalNumber(std::string_view s) {
    DecimalParts parts;
    std::size_t i = 0;
    if (!ReadSignedDigits(s, i, parts)) {
        return 0;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            negative = s[j] == '-';
            ++j;
        }
        const std::string_view digits = DigitRun(s, j);
        if (!digits.empty()) {  // "1e" and "1e+" stop before the letter
            parts.exponentNegative = negative;
            parts.exponentDigits = digits;
        }
    }
    return DecimalValue(parts);
}

}  // namespace

double LeadingNumber(std::string_view text) {
    const std::string s = Significant(text);
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') {
            return RadixNumber(std::string_view(s).substr(2), 16);
        }
        if (s[1] == 'O' || s[1] == 'o') {
            return RadixNumber(std::string_view(s).substr(2), 8);
        }
        return 0;
    }
    return DecimalNumber(s);
}

std::optional<std::int32_t> LeadingNumberAsInt32(std::string_view text) {
    const std::optional<double> rounded = RoundHalfEven(LeadingNumber(text));
    if (!rounded || *rounded < -2147483648.0 || *rounded > 4294967295.0) {
        return std::nullopt;
    }
    const auto wide = static_cast<std::int64_t>(*rounded);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(wide));
}

}  // namespace altostrat
