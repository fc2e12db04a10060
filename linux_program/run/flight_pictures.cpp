#include "linux_program/run/flight_pictures.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "flight/bitmap/swap_red_blue.h"
#include "linux_program/run/embedded_pictures.h"

namespace altostrat {

std::unique_ptr<RgbImage> GroundFromDesktop(DesktopPicture&& picture) {
    const std::size_t bytes =
        static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height) * 3;
    if (picture.rows.empty() || picture.rows.size() != bytes) {
        return nullptr;
    }
    auto image = std::make_unique<RgbImage>();
    image->width = picture.width;
    image->height = picture.height;
    image->pixels = std::move(picture.rows);
    // The rows are packed, so the whole picture is turned as one long row.
    SwapRedAndBlue(image->pixels.data(), bytes / 3);
    picture = DesktopPicture();
    return image;
}

std::unique_ptr<RgbImage> GroundFromPicture(RgbPicture&& picture) {
    const std::size_t row = static_cast<std::size_t>(picture.width) * 3;
    if (picture.pixels.empty() ||
        picture.pixels.size() != row * static_cast<std::size_t>(picture.height)) {
        return nullptr;
    }
    auto image = std::make_unique<RgbImage>();
    image->width = picture.width;
    image->height = picture.height;
    image->pixels = std::move(picture.pixels);
    for (int top = 0, bottom = picture.height - 1; top < bottom; ++top, --bottom) {
        std::uint8_t* a = image->pixels.data() + row * static_cast<std::size_t>(top);
        std::uint8_t* b = image->pixels.data() + row * static_cast<std::size_t>(bottom);
        std::swap_ranges(a, a + row, b);
    }
    picture = RgbPicture();
    return image;
}

PictureSource HeldPictures(std::unique_ptr<RgbImage> ground, const DibErrorReport& report) {
    std::shared_ptr<RgbImage> held(std::move(ground));
    return [held, report](CapturePicture picture) mutable -> std::unique_ptr<RgbImage> {
        switch (picture) {
            case CapturePicture::kSky:
                return DecodeDib(kSkyBmp, kSkyBmpSize, report);
            case CapturePicture::kGlow:
                return DecodeDib(kGlowBmp, kGlowBmpSize, report);
            case CapturePicture::kDesktop:
                break;
        }
        if (held == nullptr) {
            return DecodeDib(kGroundBmp, kGroundBmpSize, report);
        }
        auto image = std::make_unique<RgbImage>(std::move(*held));
        held.reset();
        return image;
    };
}

}  // namespace altostrat
