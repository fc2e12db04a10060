// The run's pictures against the check that stands before the bitmap reader: what the host
// writes passes (its own writer makes the files here), and so do 32-bit rows and top-down
// files within the screen; the 64-byte run-length file that the reader would turn into 169 MB of
// rows, the other encoded and paletted formats, rows past the end and pictures larger than the
// screen do not.
#include "flight/bitmap/run_picture.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/bmp_writer.h"
#include "flight/tests/dib_test_files.h"

namespace altostrat {
namespace {

using testing::Bytes;
using testing::InfoHeader;
using testing::WithFileHeader;

constexpr PictureLimit kScreen{1366, 768};

std::vector<std::uint8_t> HostWritten(std::int32_t width, std::int32_t height) {
    const std::vector<std::uint8_t> rows(BmpRowBytes(width, 24) * static_cast<std::size_t>(height),
                                         0x5A);
    return Bmp24Bytes({width, height, rows.data(), BmpRowBytes(width, 24)});
}

// Rows of the given depth padded to 4 bytes, after a file header and a full colour table.
std::vector<std::uint8_t> Plain(std::int32_t width, std::int32_t height, std::uint16_t bits,
                                std::uint32_t compression = 0) {
    Bytes packed = InfoHeader(width, height, bits, compression);
    const std::uint32_t table = bits <= 8 ? 4u << bits : 0;
    packed.Fill(table, 0x11);
    const std::size_t rows = static_cast<std::size_t>(height < 0 ? -height : height);
    packed.Fill((static_cast<std::size_t>(width) * bits + 31) / 32 * 4 * rows, 0x33);
    return WithFileHeader(packed, 40 + table);
}

// 127 x 458816 pixels of RLE8 in 64 bytes: one table entry, one run of 127, end of line, end
// of picture.
std::vector<std::uint8_t> RleBomb() {
    Bytes packed = InfoHeader(127, 458816, 8, 1, 1);
    packed.U8({0, 0, 0, 0}).U8({127, 0, 0, 0, 0, 1});
    return WithFileHeader(packed, 44);
}

TEST(RunPicture, OnlyPlainRowsWithinTheFileAndTheScreen) {
    std::vector<std::uint8_t> short_by_one = HostWritten(5, 3);
    short_by_one.pop_back();
    std::vector<std::uint8_t> cut_short = HostWritten(2, 2);
    cut_short.resize(30);
    std::vector<std::uint8_t> offset_past_end = HostWritten(4, 4);
    offset_past_end[10] = 0xFF;
    offset_past_end[11] = 0xFF;
    const struct {
        const char* what;
        std::vector<std::uint8_t> file;
        RunPictureVerdict verdict;
    } cases[] = {
        {"what the host writes, as large as the screen", HostWritten(1366, 768),
         RunPictureVerdict::kAccepted},
        {"the host's sky", HostWritten(256, 256), RunPictureVerdict::kAccepted},
        {"32-bit rows", Plain(3, 2, 32), RunPictureVerdict::kAccepted},
        {"top-down rows", Plain(3, -2, 24), RunPictureVerdict::kAccepted},
        {"the 64-byte RLE8 file", RleBomb(), RunPictureVerdict::kNotPlain},
        {"RLE4", Plain(4, 2, 4, 2), RunPictureVerdict::kNotPlain},
        {"an 8-bit palette", Plain(4, 2, 8), RunPictureVerdict::kNotPlain},
        {"16-bit rows", Plain(4, 2, 16), RunPictureVerdict::kNotPlain},
        {"32-bit bit fields", Plain(4, 2, 32, 3), RunPictureVerdict::kNotPlain},
        {"the last row one byte short", short_by_one, RunPictureVerdict::kPastEnd},
        {"the pixels past the end", offset_past_end, RunPictureVerdict::kPastEnd},
        {"one pixel wider than the screen", HostWritten(1367, 1), RunPictureVerdict::kTooLarge},
        {"one row taller, top-down", Plain(1, -769, 24), RunPictureVerdict::kTooLarge},
        {"no rows", Plain(1, 0, 24), RunPictureVerdict::kNotBitmap},
        {"no pixels", Plain(0, 1, 24), RunPictureVerdict::kNotBitmap},
        {"headers cut short", cut_short, RunPictureVerdict::kNotBitmap},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckRunPicture(c.file.data(), c.file.size(), kScreen), c.verdict) << c.what;
    }
    EXPECT_EQ(RleBomb().size(), 64u);
    // A height no row count can negate, and a screen not measured.
    std::vector<std::uint8_t> lowest = Plain(1, 1, 24);
    lowest[22] = lowest[23] = lowest[24] = 0;
    lowest[25] = 0x80;
    EXPECT_EQ(CheckRunPicture(lowest.data(), lowest.size(), kScreen), RunPictureVerdict::kTooLarge);
    const std::vector<std::uint8_t> small = HostWritten(2, 2);
    EXPECT_EQ(CheckRunPicture(small.data(), small.size(), {}), RunPictureVerdict::kTooLarge);
}

}  // namespace
}  // namespace altostrat
