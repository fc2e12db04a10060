#include "tools/altostrat_tool/arguments.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace altostrat::tool {

std::optional<std::int64_t> ParseInteger(const std::string& text, std::int64_t min,
                                         std::int64_t max) {
    if (text.empty()) {
        return std::nullopt;
    }
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || end != text.c_str() + text.size() || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ParseDecimal(const std::string& text, double min, double max) {
    // strtod alone would also take signs, exponents, hexadecimal, "inf" and "nan".
    bool digits = false, point = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    const double value = std::strtod(text.c_str(), nullptr);
    if (!(value >= min && value <= max)) {
        return std::nullopt;
    }
    return value;
}

int UsageError(const std::string& message, const char* usage) {
    std::fprintf(stderr, "altostrat-tool: %s\nusage: altostrat-tool %s\n", message.c_str(), usage);
    return 2;
}

}  // namespace altostrat::tool
