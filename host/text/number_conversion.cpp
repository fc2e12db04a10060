#include "host/text/number_conversion.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace altostrat {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The power of ten of the leading significant digit, plus one; exponents beyond any double
// are clamped, which keeps the estimate free of overflow.
long DecimalMagnitude(const DecimalParts& parts) {
    long exponent = 0;
    for (char c : parts.exponentDigits) {
        if (exponent < 1000000000L) {
            exponent = exponent * 10 + (c - '0');
        }
    }
    if (parts.exponentNegative) {
        exponent = -exponent;
    }
    const std::size_t intLead = parts.integerDigits.find_first_not_of('0');
    if (intLead != std::string_view::npos) {
        return static_cast<long>(parts.integerDigits.size() - intLead) + exponent;
    }
    const std::size_t fracLead = parts.fractionDigits.find_first_not_of('0');
    if (fracLead == std::string_view::npos) {
        return std::numeric_limits<long>::min();  // zero
    }
    return exponent - static_cast<long>(fracLead);
}

}  // namespace

std::string_view DigitRun(std::string_view s, std::size_t& i) {
    const std::size_t start = i;
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
    }
    return s.substr(start, i - start);
}

bool ReadSignedDigits(std::string_view s, std::size_t& i, DecimalParts& parts) {
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        parts.negative = s[i] == '-';
        ++i;
    }
    parts.integerDigits = DigitRun(s, i);
    if (i < s.size() && s[i] == '.') {
        ++i;
        parts.fractionDigits = DigitRun(s, i);
    }
    return !parts.integerDigits.empty() || !parts.fractionDigits.empty();
}

double DecimalValue(const DecimalParts& parts) {
    std::string number(parts.integerDigits.empty() ? std::string_view("0") : parts.integerDigits);
    number += '.';
    number.append(parts.fractionDigits);
    if (!parts.exponentDigits.empty()) {
        number += parts.exponentNegative ? "e-" : "e";
        number.append(parts.exponentDigits);
    }
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = DecimalMagnitude(parts) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (result.ec != std::errc()) {
        value = 0;
    }
    return parts.negative ? -value : value;
}

std::string_view TrimBlanks(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

std::optional<double> ParseNumericText(std::string_view text) {
    const std::string_view s = TrimBlanks(text);
    DecimalParts parts;
    std::size_t i = 0;
    if (!ReadSignedDigits(s, i, parts)) {
        return std::nullopt;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            parts.exponentNegative = s[i] == '-';
            ++i;
        }
        parts.exponentDigits = DigitRun(s, i);
        if (parts.exponentDigits.empty()) {
            return std::nullopt;
        }
    }
    if (i != s.size()) {
        return std::nullopt;
    }
    return DecimalValue(parts);
}

std::optional<double> RoundHalfEven(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    // value - floor(value) is exact for every double, so the tie test is exact too.
    const double down = std::floor(value);
    const double rest = value - down;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(down, 2.0) != 0.0)) {
        return down + 1.0;
    }
    return down;
}

namespace {

std::optional<std::int16_t> Int16IfWhole(double whole) {
    if (!(whole >= -32768.0 && whole <= 32767.0)) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(whole);
}

}  // namespace

std::optional<std::int16_t> FloorToInt16(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return Int16IfWhole(std::floor(value));
}

std::optional<std::int16_t> RoundToInt16(double value) {
    const std::optional<double> rounded = RoundHalfEven(value);
    return rounded ? Int16IfWhole(*rounded) : std::nullopt;
}

std::optional<std::int16_t> TextFloorToInt16(std::string_view text) {
    const std::optional<double> value = ParseNumericText(text);
    return value ? FloorToInt16(*value) : std::nullopt;
}

std::optional<std::int16_t> TextRoundToInt16(std::string_view text) {
    const std::optional<double> value = ParseNumericText(text);
    return value ? RoundToInt16(*value) : std::nullopt;
}

}  // namespace altostrat
