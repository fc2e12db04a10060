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

int UsageError(const std::string& message, const char* usage) {
    std::fprintf(stderr, "altostrat-tool: %s\nusage: altostrat-tool %s\n", message.c_str(), usage);
    return 2;
}

}  // namespace altostrat::tool
