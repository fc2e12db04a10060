// Pictures of the user's own against the libraries' own encoders: a JPEG, a PNG and a lossy and
// a lossless WebP made by libjpeg, libpng and libwebp decode to their colours, a large JPEG is
// reduced while decoded, and the same files cut short or damaged are refused with a reason, never
// shown half grey. Then the files of fuzz/seeds/picture that once hurt the program or were shown
// wrongly (see fuzz/make_picture_bombs.py): the bombs refused before their memory or time is spent,
// and the 16-bit grey and the two CMYK pictures in the colours ImageMagick reads them in.
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <png.h>
#include <webp/encode.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/file_bytes.h"
#include "linux_program/picture/picture_decode.h"

namespace altostrat {
namespace {

// WIDTH x HEIGHT, the left half red, the right half blue.
std::vector<std::uint8_t> TwoColours(int width, int height) {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = &pixels[(static_cast<std::size_t>(y) * width + x) * 3];
            p[0] = x < width / 2 ? 220 : 20;
            p[2] = x < width / 2 ? 20 : 220;
        }
    }
    return pixels;
}

std::vector<std::uint8_t> Jpeg(int width, int height) {
    std::vector<std::uint8_t> pixels = TwoColours(width, height);
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = &pixels[static_cast<std::size_t>(info.next_scanline) * width * 3];
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> bytes(out, out + size);
    std::free(out);
    return bytes;
}

std::vector<std::uint8_t> Png(int width, int height) {
    const std::vector<std::uint8_t> pixels = TwoColours(width, height);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr);
    std::vector<std::uint8_t> bytes(size);
    EXPECT_NE(png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels.data(), 0, nullptr),
              0);
    bytes.resize(size);
    return bytes;
}

std::vector<std::uint8_t> Webp(int width, int height, bool lossless) {
    const std::vector<std::uint8_t> pixels = TwoColours(width, height);
    std::uint8_t* out = nullptr;
    const std::size_t size =
        lossless ? WebPEncodeLosslessRGB(pixels.data(), width, height, width * 3, &out)
                 : WebPEncodeRGB(pixels.data(), width, height, width * 3, 90, &out);
    std::vector<std::uint8_t> bytes(out, out + size);
    WebPFree(out);
    return bytes;
}

// "R G B" of the picture at (x, y), top row first.
std::vector<int> At(const RgbPicture& picture, int x, int y) {
    const std::uint8_t* p = &picture.pixels[(static_cast<std::size_t>(y) * picture.width + x) * 3];
    return {p[0], p[1], p[2]};
}

bool Reddish(const std::vector<int>& c) {
    return c[0] > 180 && c[2] < 60;
}
bool Bluish(const std::vector<int>& c) {
    return c[2] > 180 && c[0] < 60;
}

TEST(PictureDecode, JpegPngAndWebpGiveTheirColoursAndDamagedOnesAreRefused) {
    const PictureSize screen{256, 192};
    for (const std::vector<std::uint8_t>& file :
         {Jpeg(256, 192), Png(256, 192), Webp(256, 192, false), Webp(256, 192, true)}) {
        const PictureDecode whole = DecodePictureBytes(file.data(), file.size(), screen);
        ASSERT_TRUE(whole.error.empty()) << whole.error;
        ASSERT_EQ(whole.picture.width, 256);
        ASSERT_EQ(whole.picture.height, 192);
        EXPECT_TRUE(Reddish(At(whole.picture, 30, 96)));
        EXPECT_TRUE(Bluish(At(whole.picture, 226, 96)));

        // Cut off among the last pixels, and the pixels overwritten with rubbish.
        const std::vector<std::uint8_t> cut(file.begin(), file.begin() + file.size() * 3 / 4);
        std::vector<std::uint8_t> rubbish = file;
        for (std::size_t i = rubbish.size() / 3; i < rubbish.size() - 2; i += 7) {
            rubbish[i] = static_cast<std::uint8_t>(0xD9 + i);
        }
        const std::vector<std::uint8_t>* const damaged[] = {&cut, &rubbish};
        for (const std::vector<std::uint8_t>* bad : damaged) {
            const PictureDecode refused = DecodePictureBytes(bad->data(), bad->size(), screen);
            EXPECT_FALSE(refused.error.empty());
            EXPECT_TRUE(refused.picture.pixels.empty());
        }
    }
    EXPECT_FALSE(DecodePictureBytes(nullptr, 0, screen).error.empty());
    const std::uint8_t text[] = "not a picture";
    EXPECT_FALSE(DecodePictureBytes(text, sizeof text, screen).error.empty());
}

TEST(PictureDecode, ALargeJpegIsReducedToWhatTheScreenNeeds) {
    const std::vector<std::uint8_t> file = Jpeg(1024, 768);
    const PictureDecode reduced =
        DecodePictureBytes(file.data(), file.size(), PictureSize{200, 150});
    ASSERT_TRUE(reduced.error.empty()) << reduced.error;
    EXPECT_EQ(reduced.picture.width, 256);  // 1/4: 1/8 would be 128, less than the screen
    EXPECT_EQ(reduced.picture.height, 192);
    EXPECT_TRUE(Reddish(At(reduced.picture, 10, 96)));
}

PictureDecode DecodeSeed(const char* name, PictureSize screen, DecodeStop stop = nullptr) {
    const std::string path = std::string(ALTOSTRAT_PICTURE_SEEDS) + "/" + name;
    const FileReadResult file = ReadWholeFile(path, std::size_t{1} << 20);
    EXPECT_EQ(file.status, FileReadStatus::kRead) << path;
    return DecodePictureBytes(file.data.get(), file.size, screen, stop);
}

bool AlwaysStop() {
    return true;
}

TEST(PictureDecode, PicturesThatOnceHurtAreRefusedAndOnesShownWronglyGiveTheirColours) {
    const PictureSize screen{1024, 768};
    // Libjpeg would keep 864 MB and 25.7 GB of coefficients; 20000 scans took minutes.
    for (const char* bomb : {"bomb-sequential-12000.jpg", "bomb-sequential-65500.jpg"}) {
        EXPECT_EQ(DecodeSeed(bomb, screen).error, "too large a picture") << bomb;
    }
    const PictureDecode scans = DecodeSeed("bomb-20000-scans.jpg", screen);
    EXPECT_EQ(scans.error, "too many scans in a JPEG");
    EXPECT_TRUE(scans.picture.pixels.empty());
    for (const std::vector<std::uint8_t>& good :
         {Jpeg(256, 192), Png(256, 192), Webp(256, 192, true)}) {
        EXPECT_EQ(DecodePictureBytes(good.data(), good.size(), screen, AlwaysStop).error,
                  "stopped");
    }

    // A lossless WebP of 7000 x 7000 claimed in forty bytes: within the pixel limit, but its
    // decoder's copy and ours would be 343 MB.
    const PictureDecode webp = DecodeSeed("bomb-7000x7000.webp", screen);
    EXPECT_EQ(webp.error, "too large a picture");
    EXPECT_TRUE(webp.picture.pixels.empty());

    // A million pixels wide and one high is a picture, though an odd one.
    const PictureDecode line = DecodeSeed("bomb-1000000x1.png", screen);
    ASSERT_TRUE(line.error.empty()) << line.error;
    EXPECT_EQ(line.picture.width, 1000000);
    EXPECT_EQ(line.picture.height, 1);

    const PictureDecode grey = DecodeSeed("grey-16bit-8080.png", screen);
    ASSERT_TRUE(grey.error.empty()) << grey.error;
    EXPECT_EQ(At(grey.picture, 5, 5), (std::vector<int>{128, 128, 128}));

    // Cyan ink; magenta and yellow ink with half black. ImageMagick reads the file with Adobe's
    // marker so; it takes every CMYK JPEG as inverted, so the plain one's colours are the inks'.
    for (const char* cmyk : {"cmyk.jpg", "cmyk-adobe.jpg"}) {
        const PictureDecode inks = DecodeSeed(cmyk, screen);
        ASSERT_TRUE(inks.error.empty()) << cmyk << ": " << inks.error;
        EXPECT_EQ(At(inks.picture, 4, 4), (std::vector<int>{0, 255, 255})) << cmyk;
        EXPECT_EQ(At(inks.picture, 60, 28), (std::vector<int>{127, 0, 0})) << cmyk;
    }
}

}  // namespace
}  // namespace altostrat
