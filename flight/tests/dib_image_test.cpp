// What the public bitmap suite does not cover: packed bitmaps without a file header, refusals,
// truncated files, and reading from files. The pixel formats themselves are checked against
// Windows' results over the suite (dib_suite_test.cpp).
#include "flight/bitmap/dib_image.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "flight/tests/dib_test_files.h"

namespace altostrat {
namespace {

using testing::Bytes;
using testing::CoreHeader;
using testing::DecodeExact;
using testing::InfoHeader;
using testing::WithFileHeader;
using Pixels = std::vector<std::uint8_t>;

TEST(DibImage, PackedBitmapsFindThePixelsRightAfterTheColourTable) {
    // Core header, 16 entries of 3 bytes: the pixels are 12 + 48 bytes from the start.
    Bytes core = CoreHeader(2, 1, 4);
    for (int i = 0; i < 16; ++i) {
        core.U8({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(2 * i), 99});
    }
    core.U8({0x1F, 0, 0, 0});
    auto decoded = DecodeExact(core.data);
    ASSERT_NE(decoded.image, nullptr);
    EXPECT_EQ(decoded.image->pixels, (Pixels{99, 2, 1, 99, 30, 15}));

    // A 24-bit picture that still names two table entries: 8 bytes are skipped.
    Bytes info = InfoHeader(1, 1, 24, 0, 2);
    info.Fill(8, 0xAA).U8({7, 8, 9, 0});
    decoded = DecodeExact(info.data);
    ASSERT_NE(decoded.image, nullptr);
    EXPECT_EQ(decoded.image->pixels, (Pixels{9, 8, 7}));

    // With bit fields the three masks come between the header and the pixels.
    Bytes fields = InfoHeader(1, 1, 16, 3);
    fields.U32(0xF800).U32(0x07E0).U32(0x001F).U16(0xF800).U16(0);
    decoded = DecodeExact(fields.data);
    ASSERT_NE(decoded.image, nullptr);
    EXPECT_EQ(decoded.image->pixels, (Pixels{255, 0, 0}));
}

TEST(DibImage, RefusalsShowOneMessageAndGiveNoImage) {
    const auto header = [](std::uint32_t size) {
        Bytes b = InfoHeader(1, 1, 24);
        b.data[0] = static_cast<std::uint8_t>(size);
        return b.Fill(200, 0);
    };
    const auto with = [](Bytes b, std::size_t pixelBytes) { return b.Fill(pixelBytes, 0); };
    const struct {
        const char* what;
        Bytes file;
        const char* message;
    } cases[] = {
        {"108-byte header", header(108), kDibUnknownFormat},
        {"124-byte header", header(124), kDibUnknownFormat},
        {"64-byte header", header(64), kDibUnknownFormat},
        {"2 bits per pixel", with(InfoHeader(4, 1, 2), 32), kDibConversionError},
        {"64 bits per pixel", with(InfoHeader(1, 1, 64), 8), kDibConversionError},
        {"JPEG inside", with(InfoHeader(1, 1, 24, 4), 64), kDibConversionError},
        {"RLE8 of 4 bits", with(InfoHeader(1, 1, 4, 1), 64), kDibConversionError},
        {"top-down RLE", with(InfoHeader(1, -1, 8, 1, 1), 64), kDibConversionError},
        {"bit fields of 24 bits", with(InfoHeader(1, 1, 24, 3), 64), kDibConversionError},
        {"a zero mask", InfoHeader(1, 1, 16, 3).U32(0xFF00).U32(0xFF).U32(0).U32(0),
         kDibConversionError},
        {"no width", with(InfoHeader(0, 1, 24), 4), kDibOutOfMemory},
        {"negative width", with(InfoHeader(-4, 1, 24), 12), kDibOutOfMemory},
        {"no height", with(InfoHeader(1, 0, 24), 4), kDibOutOfMemory},
        // Too large to allocate: refused before any allocation, which AddressSanitizer
        // would otherwise stop.
        {"70000 x 70000", with(InfoHeader(70000, 70000, 24), 64), kDibOutOfMemory},
        {"RLE of 9000 x 9000", InfoHeader(9000, 9000, 8, 1, 1).U32(0).U8({0, 1}), kDibOutOfMemory},
    };
    for (const auto& c : cases) {
        const auto decoded = DecodeExact(c.file.data);
        EXPECT_EQ(decoded.image, nullptr) << c.what;
        EXPECT_EQ(decoded.messages, std::vector<std::string>{c.message}) << c.what;
    }
}

TEST(DibImage, EveryShortenedFileIsRefusedAsAnUnknownFormat) {
    Bytes rgb = InfoHeader(4, 2, 24);
    rgb.Fill(24, 0x55);
    Bytes core = CoreHeader(8, 2, 4).Fill(48, 1).Fill(8, 0x12);
    Bytes fields = InfoHeader(2, 2, 16, 3).U32(0xF800).U32(0x07E0).U32(0x1F).Fill(8, 0x33);
    Bytes rle8 = InfoHeader(4, 2, 8, 1, 2).Fill(8, 9).U8({4, 1, 0, 0, 0, 4, 1, 0, 2, 1, 0, 1});
    Bytes rle4 = InfoHeader(4, 2, 4, 2, 2).Fill(8, 9).U8({4, 0x10, 0, 0, 2, 0x01, 0, 1});
    const std::vector<std::vector<std::uint8_t>> files = {
        WithFileHeader(rgb, 40), core.data, WithFileHeader(fields, 52), rle8.data, rle4.data};
    for (const auto& file : files) {
        ASSERT_NE(DecodeExact(file).image, nullptr);
        for (std::size_t length = 0; length < file.size(); ++length) {
            const std::vector<std::uint8_t> cut(file.begin(), file.begin() + length);
            const auto decoded = DecodeExact(cut);
            EXPECT_EQ(decoded.image, nullptr) << length << " of " << file.size();
            EXPECT_EQ(decoded.messages, std::vector<std::string>{kDibUnknownFormat});
        }
    }
}

TEST(LoadDibImage, ReadsTheDesktopPhotographFromItsFile) {
    Bytes packed = InfoHeader(1024, 768, 24);
    for (int y = 0; y < 768; ++y) {
        for (int x = 0; x < 1024; ++x) {
            packed.U8({static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                       static_cast<std::uint8_t>(x ^ y)});
        }
    }
    const std::string path =
        testing::WriteTempFile("altostrat-desktop-test.bmp", WithFileHeader(packed, 40));
    testing::RecordedReports reports;
    const auto image = LoadDibImage(path, reports.Sink());
    std::filesystem::remove(path);
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(reports.messages.empty());
    EXPECT_EQ(image->width, 1024);
    EXPECT_EQ(image->height, 768);
    ASSERT_EQ(image->pixels.size(), 2'359'296u);
    EXPECT_EQ(Pixels(image->pixels.begin(), image->pixels.begin() + 3), (Pixels{0, 0, 0}));
    // Pixel (x, y) = (1023, 767) is red x ^ y, green y, blue x, each taken modulo 256.
    EXPECT_EQ(Pixels(image->pixels.end() - 3, image->pixels.end()), (Pixels{0, 255, 255}));
    const std::size_t middle = (300u * 1024 + 77) * 3;  // x 77, y 300
    EXPECT_EQ(Pixels(image->pixels.begin() + middle, image->pixels.begin() + middle + 3),
              (Pixels{(77 ^ 300) & 255, 300 & 255, 77}));
}

TEST(LoadDibImage, FilesThatCannotBeOpenedNameTheirPath) {
    const std::string missing =
        (std::filesystem::temp_directory_path() / "altostrat-no-such-file.bmp").string();
    const std::string empty = testing::WriteTempFile("altostrat-empty-test.bmp", {});
    const std::string folder = std::filesystem::temp_directory_path().string();
    for (const std::string& path : {missing, empty, folder}) {
        testing::RecordedReports reports;
        EXPECT_EQ(LoadDibImage(path, reports.Sink()), nullptr) << path;
        EXPECT_EQ(reports.messages, std::vector<std::string>{DibOpenFailureMessage(path)});
    }
    std::filesystem::remove(empty);
    EXPECT_EQ(DibOpenFailureMessage("C:\\t_wisp\\Altostrat2.bmp"),
              "Failed to open DIB file C:\\t_wisp\\Altostrat2.bmp.\n");
}

}  // namespace
}  // namespace altostrat
