#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace altostrat::tool {

// A whole-string decimal number within [min, max]; nothing for anything else.
std::optional<std::int64_t> ParseInteger(const std::string& text, std::int64_t min,
                                         std::int64_t max);

// A whole-string decimal number (digits with an optional fraction, no sign, exponent or
// spaces) within [min, max]; nothing for anything else.
std::optional<double> ParseDecimal(const std::string& text, double min, double max);

// Prints "altostrat-tool: MESSAGE" and the usage line to standard error; gives exit code 2.
int UsageError(const std::string& message, const char* usage);

}  // namespace altostrat::tool
