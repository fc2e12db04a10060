#pragma once
// A picture of the user's own, JPEG, PNG or WebP (GNOME's own wallpapers are WebP), decoded
// from bytes in memory by the system's libjpeg-turbo, libpng and libwebp. Nothing beyond the
// screen's need is decoded: a JPEG is reduced while it is decoded (by 1/2, 1/4 or 1/8, the
// smallest reduction still at least the size worth decoding), and a picture that would still
// hold more than kMaxDecodedPixels is refused before any pixel is made, as PNG and WebP cannot
// be reduced. The figures are the Windows host's too (common/picture_limits.h), so both refuse
// the same pictures. A corrupt or cut-off picture is refused whole, never shown half grey.
//
// A small file must not cost much memory or time. A JPEG in several scans (progressive, or one
// component a scan) makes libjpeg keep every coefficient of the whole picture, whatever the
// reduction: one whose coefficients would pass kPictureDecodeBudget is refused before they are
// made, and libjpeg's own memory is capped there too. Each scan goes over the whole picture, so a
// file of thousands of tiny scans keeps it busy for minutes: past kMaxJpegScans it is refused.
// The caller's stop question is asked all through a decode, so that a stop signal does not wait
// for it.
//
// CMYK JPEGs (print work) are turned into RGB; those with Adobe's marker hold their inks
// inverted, as Photoshop writes them. 16-bit PNGs without a word on their gamma are taken as
// sRGB, as 8-bit ones are and as image viewers show them, not as linear light.

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/picture_layout.h"
#include "common/picture_limits.h"

namespace altostrat {

// The frame the decode budget holds at four bytes a pixel, 8192 x 8192: a photograph far beyond
// any screen, and the most kept in memory at once.
constexpr std::int64_t kMaxDecodedPixels = static_cast<std::int64_t>(kPictureDecodeBudget / 4);

// Asked now and then while a picture is decoded: true ends the decode, which is refused.
using DecodeStop = bool (*)();

struct PictureDecode {
    RgbPicture picture;  // no pixels when refused
    std::string error;   // why it was refused, in a few words; empty when decoded
};

// data[0, size) is the whole file. NEED is the screen's size; the picture will be laid over it
// as FIT lays it (a centred or tiled picture is never reduced). STOP may be null.
PictureDecode DecodePictureBytes(const std::uint8_t* data, std::size_t size, PictureSize need,
                                 DecodeStop stop = nullptr, PictureFit fit = PictureFit::kFill);

}  // namespace altostrat
