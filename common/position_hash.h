#pragma once
// A well-mixed 32-bit number for a grid position and a seed: the same on every platform and
// every run, so that pictures made from it (the stars, the asset generator's ground) are made
// alike wherever they are made. Neighbouring positions give unrelated numbers.

#include <cstdint>

namespace altostrat {

inline std::uint32_t PositionHash(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
    std::uint32_t h = x * 0x27D4EB2Du ^ y * 0x165667B1u ^ seed * 0x9E3779B9u;
    h ^= h >> 15;
    h *= 0x85EBCA77u;
    h ^= h >> 13;
    h *= 0xC2B2AE3Du;
    h ^= h >> 16;
    return h;
}

}  // namespace altostrat
