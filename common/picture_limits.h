#pragma once
// What a picture of the user's own may cost, the same for the Windows host and the Linux
// program, so that both refuse the same pictures. A small file can claim a huge picture, and a
// decoder makes the whole frame (for a JPEG in several scans, every coefficient of it) before
// anything can be scaled; each scan goes over the whole picture, so a JPEG of thousands of tiny
// scans keeps a decoder busy for minutes. Each program reads a picture's header against these
// figures before it decodes a pixel (host/ground/picture_budget.h,
// linux_program/picture/picture_decode.h).

#include <cstddef>
#include <cstdint>

namespace altostrat {

// A picture file larger than this is not read at all.
inline constexpr std::size_t kMaxPictureFileBytes = std::size_t{64} << 20;

// What a decoder may keep for one picture: an 8192 x 8192 frame of four bytes a pixel. A
// progressive 8192 x 8192 photograph with its colour halved each way, as cameras and encoders
// store it, keeps 192 MB of coefficients.
inline constexpr std::uint64_t kPictureDecodeBudget = std::uint64_t{256} << 20;

// Encoders write ten scans or so; a hundred is far beyond any of them.
inline constexpr int kMaxJpegScans = 100;

}  // namespace altostrat
