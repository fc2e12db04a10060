#pragma once
// Run-length encoded 8- and 4-bit pixels converted into packed RGB rows, bottom row first.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "flight/bitmap/dib_format.h"

namespace altostrat {

// Fills pixels (width * height * 3 bytes, height positive). Pixels the stream skips, with a
// delta, an early end of line or an early end of the picture, stay black; runs that reach past
// the right edge or the top are cut there. Every command is checked against the file's end:
// a stream that stops before its picture ends is refused as truncated.
DibStatus DecodeDibRle(const std::uint8_t* data, std::size_t size, const DibFormat& format,
                       std::vector<std::uint8_t>& pixels);

}  // namespace altostrat
