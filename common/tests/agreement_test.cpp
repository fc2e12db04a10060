#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/agreement.h"

namespace altostrat {
namespace {

// The host writes the renderer's command line and the renderer reads it back: every choice
// survives the trip, and a line from another host (other words, other case, extra blanks)
// still gives a flight rather than a refusal.
TEST(RendererArgumentsTest, EveryChoiceSurvivesTheTripAndStrangeLinesStillFly) {
    for (const bool across : {false, true}) {
        for (const bool shown : {false, true}) {
            RendererOptions options;
            options.acrossAllMonitors = across;
            options.eachMonitor = !shown;
            options.aircraftShown = shown;
            options.showClock = across != shown;
            const RendererOptions read = ParseRendererArguments(RendererArguments(options));
            EXPECT_EQ(read.acrossAllMonitors, across);
            EXPECT_EQ(read.eachMonitor, !shown);
            EXPECT_EQ(read.aircraftShown, shown);
            EXPECT_EQ(read.showClock, across != shown);
            EXPECT_FALSE(read.skyFollowsClock);
        }
    }
    EXPECT_EQ(RendererArguments({}), "");
    const RendererOptions odd =
        ParseRendererArguments("  /S /AllMonitors\t/noaircraftx /NOAIRCRAFT /EachMonitor /CLOCK");
    EXPECT_TRUE(odd.acrossAllMonitors);
    EXPECT_FALSE(odd.aircraftShown);
    EXPECT_TRUE(odd.eachMonitor);
    EXPECT_TRUE(odd.showClock);
    EXPECT_FALSE(odd.skyFollowsClock);
    const RendererOptions prefix = ParseRendererArguments("/allmonitorsx /noaircraf /clocks");
    EXPECT_FALSE(prefix.acrossAllMonitors);
    EXPECT_TRUE(prefix.aircraftShown);
    EXPECT_FALSE(prefix.showClock);
    EXPECT_EQ(ParseRendererArguments("/noaircraft /folder").pictureFolder, "");
}

// The run's picture folder crosses the command line whole, however Windows' splitting rules
// treat its blanks, backslashes and quotes. The split is checked against what
// CommandLineToArgvW gives for the same lines (the documented examples).
TEST(RendererArgumentsTest, ThePictureFolderArrivesWhole) {
    for (const std::string& folder :
         {std::string(u8R"(C:\Users\山田 太郎\AppData\Local\Temp\altostrat-run-1)"),
          std::string(R"(C:\a b\)"), std::string(R"(\\server\share\x\\)"),
          std::string(R"(odd\\\"name)")}) {
        RendererOptions options;
        options.skyFollowsClock = true;
        options.pictureFolder = folder;
        const RendererOptions read = ParseRendererArguments(RendererArguments(options));
        EXPECT_EQ(read.pictureFolder, folder);
        EXPECT_TRUE(read.skyFollowsClock);
        EXPECT_TRUE(read.aircraftShown);
    }
    using Words = std::vector<std::string>;
    EXPECT_EQ(SplitCommandLineWords(R"("abc" d e)"), (Words{"abc", "d", "e"}));
    EXPECT_EQ(SplitCommandLineWords(R"(a\\\b d"e f"g h)"), (Words{R"(a\\\b)", "de fg", "h"}));
    EXPECT_EQ(SplitCommandLineWords(R"(a\\\"b c d)"), (Words{R"(a\"b)", "c", "d"}));
    EXPECT_EQ(SplitCommandLineWords(R"(a\\\\"b c" d e)"), (Words{R"(a\\b c)", "d", "e"}));
}

// The renderer finds its aircraft beside itself: the folder of its own path, Japanese names and
// all, never a bare name that the current folder would answer.
// Every program builds the pictures' paths through one function: a Windows folder with or
// without its last backslash, and a Linux folder, each get exactly one separator of its kind.
TEST(CapturePicturePathTest, OneSeparatorOfTheFoldersKind) {
    EXPECT_EQ(CapturePicturePath(kCaptureFolder, CapturePicture::kDesktop),
              "C:\\t_wisp\\Altostrat2.bmp");
    EXPECT_EQ(CapturePicturePath("C:\\Temp\\run\\", CapturePicture::kSky),
              "C:\\Temp\\run\\Altostrat1.bmp");
    EXPECT_EQ(CapturePicturePath("/run/user/1000/a", CapturePicture::kGlow),
              "/run/user/1000/a/Altostrat3.bmp");
    EXPECT_EQ(CapturePicturePath("/tmp/a/", CapturePicture::kGlow), "/tmp/a/Altostrat3.bmp");
}

TEST(AircraftModelPathTest, TheModelLiesInTheRenderersOwnFolder) {
    EXPECT_EQ(AircraftModelPath(u8"C:\\Program Files\\アルトストラト\\アルトストラト.dll"),
              u8"C:\\Program Files\\アルトストラト\\アルトストラト.ms3d");
    EXPECT_EQ(AircraftModelPath(u8"\\\\server\\share\\saver.dll"),
              u8"\\\\server\\share\\アルトストラト.ms3d");
    EXPECT_EQ(AircraftModelPath("D:/a.b/x"), u8"D:/a.b/アルトストラト.ms3d");
    EXPECT_EQ(AircraftModelPath(u8"アルトストラト.dll"), "");
    EXPECT_EQ(AircraftModelPath(""), "");
}

}  // namespace
}  // namespace altostrat
