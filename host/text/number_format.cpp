#include "host/text/number_format.h"

namespace altostrat {

std::string NumberWithSignSpace(long value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::string NumberOrEmpty(long value) {
    return value == 0 ? std::string() : std::to_string(value);
}

}  // namespace altostrat
