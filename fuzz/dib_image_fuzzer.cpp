// Any bytes at all given to the bitmap reader as a whole file. Beyond what AddressSanitizer and
// UBSan catch, every input must give either a complete picture and no message, or exactly one
// message and nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "flight/bitmap/dib_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    int messages = 0;
    std::string message;
    const auto image = altostrat::DecodeDib(data, size, [&](const std::string& m) {
        ++messages;
        message = m;
    });
    if (image == nullptr) {
        const bool known = message == altostrat::kDibUnknownFormat ||
                           message == altostrat::kDibConversionError ||
                           message == altostrat::kDibOutOfMemory;
        if (messages != 1 || !known) {
            std::abort();
        }
        return 0;
    }
    const std::size_t expected =
        static_cast<std::size_t>(image->width) * static_cast<std::size_t>(image->height) * 3;
    if (messages != 0 || image->width <= 0 || image->height <= 0 ||
        image->pixels.size() != expected) {
        std::abort();
    }
    return 0;
}
