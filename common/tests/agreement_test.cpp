#include <gtest/gtest.h>

#include "common/agreement.h"

namespace altostrat {
namespace {

// The host writes the renderer's command line and the renderer reads it back: every choice
// survives the trip, and a line from another host (other words, other case, extra blanks)
// still gives a flight rather than a refusal.
TEST(RendererArgumentsTest, EveryChoiceSurvivesTheTripAndStrangeLinesStillFly) {
    for (const bool across : {false, true}) {
        for (const bool shown : {false, true}) {
            const RendererOptions read = ParseRendererArguments(RendererArguments({across, shown}));
            EXPECT_EQ(read.acrossAllMonitors, across);
            EXPECT_EQ(read.aircraftShown, shown);
        }
    }
    EXPECT_EQ(RendererArguments({}), "");
    const RendererOptions odd =
        ParseRendererArguments("  /S /AllMonitors\t/noaircraftx /NOAIRCRAFT ");
    EXPECT_TRUE(odd.acrossAllMonitors);
    EXPECT_FALSE(odd.aircraftShown);
    const RendererOptions prefix = ParseRendererArguments("/allmonitorsx /noaircraf");
    EXPECT_FALSE(prefix.acrossAllMonitors);
    EXPECT_TRUE(prefix.aircraftShown);
}

// The renderer finds its aircraft beside itself: the folder of its own path, Japanese names and
// all, never a bare name that the current folder would answer.
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
