#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/bmp_writer.h"
#include "flight/bitmap/dib_image.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace altostrat {
namespace {

namespace fs = std::filesystem;

class BmpWriterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("bmp_writer_test_" +
                   std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    std::string PathOf(const char* name) const { return (folder_ / name).u8string(); }

    static std::unique_ptr<RgbImage> Read(const std::string& path) {
        std::string message;
        auto image = LoadDibImage(path, [&](const std::string& text) { message = text; });
        EXPECT_TRUE(message.empty()) << message;
        return image;
    }

    fs::path folder_;
};

// A pattern where every pixel differs from its neighbours in all three channels, so a shifted
// row, a lost padding byte or swapped channels all show.
std::vector<std::uint8_t> Pattern(int width, int height, std::size_t stride) {
    std::vector<std::uint8_t> bgr(stride * static_cast<std::size_t>(height), 0xEE);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p =
                &bgr[stride * static_cast<std::size_t>(y) + static_cast<std::size_t>(x) * 3];
            p[0] = static_cast<std::uint8_t>(x * 7 + y);
            p[1] = static_cast<std::uint8_t>(x + y * 13);
            p[2] = static_cast<std::uint8_t>(x * 3 + y * 5 + 1);
        }
    }
    return bgr;
}

// Widths whose rows need 0, 1, 2 and 3 padding bytes, among them a 1366-pixel screen; the
// reader is the renderer's own, which gives red, green, blue rows bottom first.
TEST_F(BmpWriterTest, TwentyFourBitPicturesReadBackThroughTheRenderersReader) {
    for (const int width : {4, 5, 6, 7, 1366}) {
        const int height = width == 1366 ? 768 : 3;
        const std::size_t stride = static_cast<std::size_t>(width) * 3 + 5;  // a wider source row
        const std::vector<std::uint8_t> bgr = Pattern(width, height, stride);
        const std::string path = PathOf("picture.bmp");
        ASSERT_TRUE(WriteBmp24(path, {width, height, bgr.data(), stride})) << width;

        EXPECT_EQ(fs::file_size(fs::u8path(path)),
                  54u + static_cast<std::uintmax_t>((width * 3 + 3) / 4 * 4) * height);
        const auto image = Read(path);
        ASSERT_NE(image, nullptr) << width;
        ASSERT_EQ(image->width, width);
        ASSERT_EQ(image->height, height);
        std::size_t mismatches = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const std::uint8_t* source = &bgr[stride * y + x * 3];
                const std::uint8_t* read =
                    &image->pixels[(static_cast<std::size_t>(y) * width + x) * 3];
                mismatches += read[0] != source[2] || read[1] != source[1] || read[2] != source[0];
            }
        }
        EXPECT_EQ(mismatches, 0u) << "width " << width;
    }
}

TEST_F(BmpWriterTest, EightBitPicturesReadBackWithTheirPalette) {
    Indexed8Picture picture;
    picture.width = 5;
    picture.height = 2;
    for (int n = 0; n < 256; ++n) {
        picture.palette[n] = {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(255 - n),
                              static_cast<std::uint8_t>(n / 2)};
    }
    picture.indices = {0, 1, 2, 3, 4, 250, 251, 252, 253, 255};
    const std::string path = PathOf("indexed.bmp");
    ASSERT_TRUE(WriteBmp8(path, picture));
    const auto image = Read(path);
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(image->width, 5);
    ASSERT_EQ(image->height, 2);
    for (std::size_t i = 0; i < picture.indices.size(); ++i) {
        const auto& colour = picture.palette[picture.indices[i]];
        EXPECT_EQ(image->pixels[i * 3], colour[0]) << i;
        EXPECT_EQ(image->pixels[i * 3 + 1], colour[1]) << i;
        EXPECT_EQ(image->pixels[i * 3 + 2], colour[2]) << i;
    }
}

// An existing picture is replaced whole by a good write and left whole by a failed one; no
// temporary file stays behind either way.
TEST_F(BmpWriterTest, AFailedWriteLeavesTheOldPictureAndNoTemporaryFile) {
    const std::string path = PathOf("Altostrat2.bmp");
    const std::vector<std::uint8_t> first = Pattern(6, 4, 18);
    ASSERT_TRUE(WriteBmp24(path, {6, 4, first.data(), 18}));
    const std::vector<std::uint8_t> second = Pattern(1366, 4, 4098);
    ASSERT_TRUE(WriteBmp24(path, {1366, 4, second.data(), 4098}));  // replaces an existing file
    ASSERT_EQ(Read(path)->width, 1366);
    const std::uintmax_t goodSize = fs::file_size(fs::u8path(path));

    // Not a picture at all: nothing is written.
    EXPECT_FALSE(WriteBmp24(path, {0, 4, second.data(), 4098}));
    EXPECT_FALSE(WriteBmp24(path, {1366, 4, second.data(), 100}));

    // The temporary name is taken by a folder: the write cannot even start.
    const fs::path blocker = fs::u8path(path + ".writing");
    fs::create_directory(blocker);
    EXPECT_FALSE(WriteBmp24(path, {6, 4, first.data(), 18}));
    fs::remove(blocker);

    EXPECT_EQ(fs::file_size(fs::u8path(path)), goodSize);
    EXPECT_EQ(Read(path)->width, 1366);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder_)) {
        ++entries;
    }
    EXPECT_EQ(entries, 1u);
}

#ifndef _WIN32
// The file system refuses bytes halfway through the write (a file-size limit, as a full disk
// would): the write reports failure and the old picture is still whole.
TEST_F(BmpWriterTest, AWriteCutOffHalfwayLeavesTheOldPicture) {
    const std::string path = PathOf("Altostrat2.bmp");
    const std::vector<std::uint8_t> first = Pattern(7, 5, 21);
    ASSERT_TRUE(WriteBmp24(path, {7, 5, first.data(), 21}));
    const std::uintmax_t oldSize = fs::file_size(fs::u8path(path));

    const std::vector<std::uint8_t> big = Pattern(1366, 200, 4098);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{20000, 20000};
        setrlimit(RLIMIT_FSIZE, &limit);
        const bool ok = WriteBmp24(path, {1366, 200, big.data(), 4098});
        _exit(ok ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the cut-off write was reported as a success";

    EXPECT_EQ(fs::file_size(fs::u8path(path)), oldSize);
    const auto image = Read(path);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width, 7);
    EXPECT_FALSE(fs::exists(fs::u8path(path + ".writing")));
}
#endif

}  // namespace
}  // namespace altostrat
