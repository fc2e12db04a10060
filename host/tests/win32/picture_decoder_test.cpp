// Pictures through Windows' imaging component as the host decodes them: a picture bomb (a grey
// progressive JPEG of 30000 x 30000 pixels in a few hundred bytes, whose coefficients alone
// would take 1.8 GB and its frame 900 MB more) falls back without the process's peak working set
// growing past the decoding budget, and an ordinary picture still decodes, scaled to the need.
#include <windows.h>

#include <psapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/bmp_writer.h"
#include "host/ground/picture_budget.h"
#include "host/ground/win32/picture_decoder.h"
#include "host/tests/test_folder.h"

namespace altostrat {
namespace {

using testing::TestFolder;

std::size_t PeakWorkingSet() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    return GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters))
               ? counters.PeakWorkingSetSize
               : 0;
}

void Segment(std::vector<std::uint8_t>& out, std::uint8_t marker,
             std::vector<std::uint8_t> payload) {
    const std::size_t length = payload.size() + 2;
    out.insert(out.end(), {0xFF, marker, static_cast<std::uint8_t>(length >> 8),
                           static_cast<std::uint8_t>(length)});
    out.insert(out.end(), payload.begin(), payload.end());
}

// A grey progressive JPEG of SIDE x SIDE whose first scan (every block's DC, each the same) is
// cut off after a few blocks: a decoder makes the whole frame and all its coefficients anyway.
std::vector<std::uint8_t> GreyBomb(int side) {
    std::vector<std::uint8_t> file = {0xFF, 0xD8};
    std::vector<std::uint8_t> table = {0};
    table.insert(table.end(), 64, 1);
    Segment(file, 0xDB, table);
    const auto hi = static_cast<std::uint8_t>(side >> 8);
    const auto lo = static_cast<std::uint8_t>(side);
    Segment(file, 0xC2, {8, hi, lo, hi, lo, 1, 1, 0x11, 0});
    // DC table 0: the one symbol 0 (no change) coded as the single bit 0.
    std::vector<std::uint8_t> huffman = {0x00, 1};
    huffman.insert(huffman.end(), 15, 0);
    huffman.push_back(0);
    Segment(file, 0xC4, huffman);
    Segment(file, 0xDA, {1, 1, 0x00, 0, 0, 0});
    file.insert(file.end(), 16, 0x00);
    file.insert(file.end(), {0xFF, 0xD9});
    return file;
}

TEST(PictureDecoder, ABombFallsBackWithinTheBudget) {
    TestFolder folder;
    const std::vector<std::uint8_t> bytes = GreyBomb(30000);
    ASSERT_LT(bytes.size(), 200u);
    folder.Write("bomb.jpg", std::string(bytes.begin(), bytes.end()));
    const std::string bomb = folder.File("bomb.jpg");

    const std::size_t before = PeakWorkingSet();
    ASSERT_GT(before, 0u);
    EXPECT_FALSE(DecodePictureFile(bomb, {1024, 768}, PictureFit::kFill).has_value());
    EXPECT_FALSE(DecodePictureFile(bomb, {1024, 768}, PictureFit::kCentre).has_value());
    EXPECT_LT(PeakWorkingSet() - before, kPictureDecodeBudget);

    // The same kind of picture at 512 x 512 is an ordinary one: grey, scaled to the need.
    const std::vector<std::uint8_t> small = GreyBomb(512);
    folder.Write("small.jpg", std::string(small.begin(), small.end()));
    const std::optional<RgbPicture> grey =
        DecodePictureFile(folder.File("small.jpg"), {128, 128}, PictureFit::kFill);
    ASSERT_TRUE(grey.has_value());
    EXPECT_EQ(grey->width, 128);
    EXPECT_EQ(grey->height, 128);
}

TEST(PictureDecoder, AnOrdinaryPictureDecodesScaledToTheNeed) {
    TestFolder folder;
    // 64 x 48: the left half red, the right half blue (blue-green-red in the file).
    std::vector<std::uint8_t> bgr(64 * 48 * 3);
    for (std::size_t i = 0; i < 64 * 48; ++i) {
        const bool left = i % 64 < 32;
        bgr[i * 3] = left ? 10 : 200;
        bgr[i * 3 + 2] = left ? 200 : 10;
    }
    const std::string path = folder.File("two halves");  // no extension: known by its content
    ASSERT_TRUE(WriteBmp24(path, Bgr24View{64, 48, bgr.data(), 64 * 3}));
    const std::optional<RgbPicture> picture = DecodePictureFile(path, {32, 24}, PictureFit::kFill);
    ASSERT_TRUE(picture.has_value());
    ASSERT_EQ(picture->width, 32);
    ASSERT_EQ(picture->height, 24);
    const std::uint8_t* left = &picture->pixels[(12 * 32 + 4) * 3];
    const std::uint8_t* right = &picture->pixels[(12 * 32 + 28) * 3];
    EXPECT_NEAR(left[0], 200, 2);
    EXPECT_NEAR(left[2], 10, 2);
    EXPECT_NEAR(right[0], 10, 2);
    EXPECT_NEAR(right[2], 200, 2);
    EXPECT_FALSE(DecodePictureFile(folder.File("missing.png"), {32, 24}, PictureFit::kFill));
}

}  // namespace
}  // namespace altostrat
