#pragma once
// Pictures decoded by Windows' own imaging component (WIC): JPEG, PNG, BMP, GIF, TIFF and
// whatever codecs the machine has. The format is recognised by the file's content, never by its
// name: Windows keeps the current wallpaper as "TranscodedWallpaper", a JPEG without an
// extension. A picture is decoded no larger than laying it over the screens needs, and one of
// an absurd size is refused before any pixel is decoded.

#include <windows.h>

#include <optional>
#include <string>

#include "common/picture_layout.h"

namespace altostrat {

// Refused before decoding: a side longer than this, or more pixels than kMaxPicturePixels.
inline constexpr UINT kMaxPictureSide = 65535;
inline constexpr unsigned long long kMaxPicturePixels = 1ull << 30;

// The first frame of the picture file at PATH (UTF-8), scaled down to what SizeWorthDecoding
// gives for NEED and FIT; nothing when the file cannot be read, is no picture WIC knows, is
// corrupt, empty or absurdly large. Initialises COM on this thread for the call's length.
std::optional<RgbPicture> DecodePictureFile(const std::string& path, PictureSize need,
                                            PictureFit fit);

}  // namespace altostrat
