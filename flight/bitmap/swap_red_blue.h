#pragma once
// Turns a row of 3-byte pixels from blue-green-red (the bitmap file's order) into red-green-blue
// (the texture's order) where it lies. The desktop photograph is all such rows, so this is the
// reader's hot loop.

#include <cstddef>
#include <cstdint>

namespace altostrat {

void SwapRedAndBlue(std::uint8_t* row, std::size_t width);

}  // namespace altostrat
