// Run-length encoded pictures: runs, absolute stretches, line ends, deltas and the picture's
// end, and what happens at its edges.
#include <gtest/gtest.h>

#include <vector>

#include "dib_image.h"
#include "dib_test_files.h"

namespace altostrat {
namespace {

using testing::Bytes;
using Pixels = std::vector<std::uint8_t>;

const Pixels kBlack = {0, 0, 0};
const Pixels kColour0 = {9, 9, 9};
const Pixels kColour1 = {200, 0, 0};
const Pixels kColour2 = {0, 150, 0};
const Pixels kColour3 = {0, 0, 100};

// A packed bitmap with the four colours above and the given stream.
Pixels Decode(std::int32_t width, std::int32_t height, bool fourBit,
              std::initializer_list<std::uint8_t> stream) {
    Bytes file = testing::InfoHeader(width, height, fourBit ? 4 : 8, fourBit ? 2 : 1, 4);
    file.U8({9, 9, 9, 0, 0, 0, 200, 0, 0, 150, 0, 0, 100, 0, 0, 0}).U8(stream);
    const auto decoded = testing::DecodeExact(file.data);
    EXPECT_TRUE(decoded.messages.empty()) << decoded.messages.front();
    return decoded.image ? decoded.image->pixels : Pixels{};
}

Pixels Row(std::initializer_list<const Pixels*> colours) {
    Pixels row;
    for (const Pixels* colour : colours) {
        row.insert(row.end(), colour->begin(), colour->end());
    }
    return row;
}

TEST(DibRle, EightBitCommandsAndSkippedPixelsStayBlack) {
    const Pixels pixels = Decode(4, 3, false,
                                 {3, 1,                               // run of three 1s
                                  0, 0,                               // end of line
                                  0, 3, 2, 3, 1, 0,                   // absolute 2 3 1, padded
                                  0, 2, 0, 1,                         // delta: up one row
                                  1, 2,                               // one 2 at the right edge
                                  0, 1});                             // end of picture
    EXPECT_EQ(pixels, Row({&kColour1, &kColour1, &kColour1, &kBlack,  // bottom row
                           &kColour2, &kColour3, &kColour1, &kBlack,  //
                           &kBlack, &kBlack, &kBlack, &kColour2}));   // top row
}

TEST(DibRle, RunsPastTheRightEdgeAreCutAndDeltasPastTheTopEndThePicture) {
    EXPECT_EQ(Decode(2, 2, false, {5, 1, 0, 0, 1, 2, 0, 1}),
              Row({&kColour1, &kColour1, &kColour2, &kBlack}));
    EXPECT_EQ(Decode(2, 1, false, {0, 3, 1, 2, 3, 0, 0, 1}), Row({&kColour1, &kColour2}));
    // No end-of-picture code is needed once the rows are used up.
    EXPECT_EQ(Decode(1, 2, false, {1, 1, 0, 2, 0, 5}), Row({&kColour1, &kBlack}));
}

TEST(DibRle, FourBitRunsAlternateTheirTwoIndices) {
    EXPECT_EQ(Decode(5, 1, true, {5, 0x12, 0, 1}),
              Row({&kColour1, &kColour2, &kColour1, &kColour2, &kColour1}));
    // Five absolute indices take three bytes, padded to four; then a run of index 0.
    EXPECT_EQ(Decode(6, 1, true, {0, 5, 0x12, 0x31, 0x20, 0, 1, 0x03, 0, 1}),
              Row({&kColour1, &kColour2, &kColour3, &kColour1, &kColour2, &kColour0}));
}

}  // namespace
}  // namespace altostrat
