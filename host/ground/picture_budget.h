#pragma once
// What decoding a picture file may cost the host, decided before Windows' imaging component
// (WIC) is asked for a single pixel. A small file can claim a huge picture: a progressive JPEG
// or an interlaced PNG of 30000 x 30000 pixels fits in a few hundred bytes, and a decoder makes
// the whole frame (and, for a JPEG in several scans, every coefficient of it) before anything
// can be scaled. So the file is read whole, up to kMaxPictureFileBytes, and the picture is
// decoded only when what the decoder would keep fits in kPictureDecodeBudget:
// - the frame at the size the decoder makes it: the full size, or reduced by 1/2, 1/4 or 1/8
//   where the decoder can reduce while it decodes (JPEG on Windows), the smallest reduction
//   still at least the size worth decoding (common/picture_layout.h);
// - a JPEG in several scans (progressive, or one component a scan) keeps all its coefficients,
//   two bytes each, whatever the reduction;
// Each scan goes over the whole picture, so a JPEG of thousands of tiny scans keeps a decoder
// busy for minutes: past kMaxJpegScans it is refused. The figures are the Linux program's too
// (common/picture_limits.h), so both refuse the same pictures.

#include <cstddef>
#include <cstdint>

#include "common/picture_layout.h"
#include "common/picture_limits.h"

namespace altostrat {

enum class PictureFormat { kOther, kJpeg, kPng };

// What a picture file's own header says about decoding it, read before any decoder sees it:
// some decoders (Wine's JPEG and PNG) make the whole frame as soon as they are handed the file.
struct PictureHeader {
    PictureFormat format = PictureFormat::kOther;
    int width = 0;  // as the header claims; 0 when it did not say
    int height = 0;
    int bytes_per_pixel = 0;   // of the frame as a decoder makes it (at least one)
    bool progressive = false;  // a progressive JPEG (its coefficients kept even in one scan)
    int scans = 0;             // a JPEG's scans, up to the end of the picture or the file
    std::uint64_t coefficient_bytes = 0;  // a JPEG's blocks of all components, 64 coefficients each
};

// Reads the header (for a JPEG, every marker) of DATA[0, SIZE), a whole file, never past its end.
// A file that is neither JPEG nor PNG, or whose header ends early, gives what was read so far.
PictureHeader ReadPictureHeader(const std::uint8_t* data, std::size_t size);

struct DecodePlan {
    bool decode = false;      // false: refuse the picture, decode nothing
    int reduction = 1;        // 1, 2, 4 or 8: ask the decoder for the frame divided by this
    std::uint64_t bytes = 0;  // what the decoder would keep
};

// The plan for a frame of FRAME pixels of BYTES_PER_PIXEL each (as the decoder makes it), with
// HEADER's JPEG costs (none for another format), to be laid over the screens at WORTH (the size
// worth decoding); REDUCES says whether the decoder can reduce by 1/2, 1/4 and 1/8.
DecodePlan PlanPictureDecode(PictureSize frame, int bytes_per_pixel, const PictureHeader& header,
                             PictureSize worth, bool reduces);

}  // namespace altostrat
