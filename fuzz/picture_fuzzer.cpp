// Any bytes at all given as a picture of the user's own or as GNOME's wallpaper (JPEG, PNG, WebP
// or anything else). Beyond what AddressSanitizer and UBSan catch, every input must give either
// a whole picture no larger than the limit and no reason, or a reason and no pixels.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "linux_program/picture/picture_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const altostrat::PictureDecode decoded =
        altostrat::DecodePictureBytes(data, size, altostrat::PictureSize{320, 240});
    const altostrat::RgbPicture& picture = decoded.picture;
    if (!decoded.error.empty()) {
        if (!picture.pixels.empty()) {
            std::abort();
        }
        return 0;
    }
    const std::int64_t pixels = std::int64_t{picture.width} * picture.height;
    if (picture.width <= 0 || picture.height <= 0 || pixels > altostrat::kMaxDecodedPixels ||
        picture.pixels.size() != static_cast<std::size_t>(pixels) * 3) {
        std::abort();
    }
    return 0;
}
