#pragma once
// The C runtime's rand()/srand() generator, reproduced exactly: a 32-bit state starting at 1,
// state = state * 214013 + 2531011 (mod 2^32), each value being bits 16..30 of the new state.
// The terrain depends on this exact sequence from the unseeded start, so the renderer carries
// its own copy instead of trusting the platform's C library to use the same recurrence.

#include <cstdint>

namespace altostrat {

struct CrtRandom {
    std::uint32_t state = 1;
};

// Replaces the state, as srand() does.
inline void SeedRandom(CrtRandom& random, std::uint32_t seed) {
    random.state = seed;
}

// The next value, 0 to 32767, as rand() gives it.
inline int NextRandom(CrtRandom& random) {
    random.state = random.state * 214013u + 2531011u;
    return static_cast<int>((random.state >> 16) & 0x7fffu);
}

}  // namespace altostrat
