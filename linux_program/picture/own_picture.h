#pragma once
// The picture the user names with "--picture": one file, or a folder of which one picture is
// taken at random each run (among the files that decode: the others are passed over quietly).
// It is laid over the screen as "fill" lays a wallpaper, and the flight goes over it instead of
// over the desktop.

#include <cstdint>
#include <string>

#include "common/picture_layout.h"
#include "linux_program/picture/picture_decode.h"

namespace altostrat {

struct OwnPicture {
    RgbPicture laid;    // SCREEN's size, the picture filled over it; no pixels when refused
    std::string error;  // one line naming the file or folder; empty when laid
};

// One picture file, read no further than kMaxPictureFileBytes and decoded for a picture laid by
// FIT over SCREEN; the error says why not in a few words ("no such file", "not a file", ...).
PictureDecode DecodePictureFile(const std::string& path, PictureSize screen,
                                DecodeStop stop = nullptr, PictureFit fit = PictureFit::kFill);

// SEED picks the folder's picture; the same seed, the same choice. STOP (may be null) is asked
// while pictures are decoded: true gives up, and the error says "stopped".
OwnPicture LoadOwnPicture(const std::string& path, PictureSize screen, std::uint32_t seed,
                          DecodeStop stop = nullptr);

}  // namespace altostrat
