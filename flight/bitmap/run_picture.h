#pragma once
// What the renderer accepts as one of a run's three pictures (the sky, the desktop and the glow
// the host leaves in the run's folder). The folder may be one another account could write, and
// the bitmap reader decodes every format Windows knows, among them run-length ones whose few
// bytes stand for a picture of hundreds of megabytes (64 bytes of RLE8 make 127 x 458816 pixels,
// 169 MB as texture rows). So only what the host itself writes passes: an uncompressed bitmap of
// 24 or 32 bits per pixel, every row of it within the file, and no larger than the virtual
// screen, which is the most the host ever photographs. The aircraft's textures and the reader
// itself are left as they are: this check stands before the reader, for these pictures alone.

#include <cstddef>
#include <cstdint>

namespace altostrat {

// The sky and the glow are the host's own 256 x 256 pictures whatever the screen: a limit never
// falls below that, also on a screen smaller than they are.
constexpr std::int32_t kLeastPictureLimit = 256;

// The largest picture accepted, in pixels: the virtual screen's width and height.
struct PictureLimit {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

enum class RunPictureVerdict {
    kAccepted,
    kNotBitmap,  // no bitmap headers, headers past the file's end, or no pixels
    kNotPlain,   // compressed, bit fields, or another depth than 24 or 32 bits
    kPastEnd,    // its rows reach past the file's end
    kTooLarge,   // wider or taller than the limit
};

RunPictureVerdict CheckRunPicture(const std::uint8_t* data, std::size_t size,
                                  const PictureLimit& limit);

}  // namespace altostrat
