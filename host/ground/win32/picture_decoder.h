#pragma once
// Pictures decoded by Windows' own imaging component (WIC): JPEG, PNG, BMP, GIF, TIFF and
// whatever codecs the machine has. The format is recognised by the file's content, never by its
// name: Windows keeps the current wallpaper as "TranscodedWallpaper", a JPEG without an
// extension. A picture is decoded no larger than laying it over the screens needs: a JPEG
// reduced by the decoder itself while it decodes (1/2, 1/4 or 1/8), the rest scaled down after.
// What the decoder would keep is weighed before any pixel is decoded (host/ground/
// picture_budget.h), so that a small file claiming a huge picture is refused, not decoded.

#include <windows.h>

#include <optional>
#include <string>

#include "common/picture_layout.h"

namespace altostrat {

// Refused before decoding: a side longer than this.
inline constexpr UINT kMaxPictureSide = 65535;

// The first frame of the picture file at PATH (UTF-8), scaled down to what SizeWorthDecoding
// gives for NEED and FIT; nothing when the file cannot be read, is larger than
// kMaxPictureFileBytes, is no picture WIC knows, is corrupt, empty, or would cost more to decode
// than picture_budget.h allows. Initialises COM on this thread for the call's length.
std::optional<RgbPicture> DecodePictureFile(const std::string& path, PictureSize need,
                                            PictureFit fit);

}  // namespace altostrat
