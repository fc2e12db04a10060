#pragma once
// Uncompressed pixel rows (1, 4, 8, 16, 24 and 32 bits, with or without bit-field masks)
// converted into packed RGB rows, bottom row first.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "flight/bitmap/dib_format.h"

namespace altostrat {

// Checks that every row lies within the file before anything is allocated, then fills pixels
// (width * |height| * 3 bytes). The format must be one the reader converts, and its size must
// have been checked.
DibStatus DecodeDibRows(const std::uint8_t* data, std::size_t size, const DibFormat& format,
                        std::vector<std::uint8_t>& pixels);

}  // namespace altostrat
