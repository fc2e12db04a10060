#include "flight/terrain/crt_random.h"

#include <gtest/gtest.h>

namespace altostrat {
namespace {

// The well-known first values of the C runtime's rand(), unseeded and after srand(0) and
// srand(1); the terrain is built from exactly this sequence.
TEST(CrtRandom, ReproducesTheRuntimeSequence) {
    CrtRandom unseeded;
    for (int expected : {41, 18467, 6334, 26500, 19169, 15724}) {
        EXPECT_EQ(NextRandom(unseeded), expected);
    }
    CrtRandom zero;
    SeedRandom(zero, 0);
    for (int expected : {38, 7719, 21238, 2437}) {
        EXPECT_EQ(NextRandom(zero), expected);
    }
    CrtRandom one;
    SeedRandom(one, 1);
    EXPECT_EQ(NextRandom(one), 41);
}

TEST(CrtRandom, ValuesStayWithinFifteenBitsAcrossTheStateWrap) {
    CrtRandom random;
    SeedRandom(random, 0xFFFFFFFFu);
    for (int i = 0; i < 100000; ++i) {
        const int value = NextRandom(random);
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
    }
}

}  // namespace
}  // namespace altostrat
