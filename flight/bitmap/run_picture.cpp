#include "flight/bitmap/run_picture.h"

#include "flight/bitmap/dib_format.h"

namespace altostrat {

RunPictureVerdict CheckRunPicture(const std::uint8_t* data, std::size_t size,
                                  const PictureLimit& limit) {
    DibFormat format;
    if (ParseDibFormat(data, size, format) != DibStatus::kOk || format.width <= 0 ||
        format.height == 0) {
        return RunPictureVerdict::kNotBitmap;
    }
    if (format.compression != kDibRgb || (format.bitsPerPixel != 24 && format.bitsPerPixel != 32)) {
        return RunPictureVerdict::kNotPlain;
    }
    // In 64 bits, so that no header can make a sum wrap: a top-down height is negative.
    const std::int64_t height = format.height;
    const std::uint64_t rows = static_cast<std::uint64_t>(height < 0 ? -height : height);
    const std::uint64_t width = static_cast<std::uint64_t>(format.width);
    if (limit.width <= 0 || limit.height <= 0 || width > static_cast<std::uint64_t>(limit.width) ||
        rows > static_cast<std::uint64_t>(limit.height)) {
        return RunPictureVerdict::kTooLarge;
    }
    const std::uint64_t rowBytes = (width * format.bitsPerPixel + 31) / 32 * 4;
    if (format.pixelOffset > size || rowBytes * rows > size - format.pixelOffset) {
        return RunPictureVerdict::kPastEnd;
    }
    return RunPictureVerdict::kAccepted;
}

}  // namespace altostrat
