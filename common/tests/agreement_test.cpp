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

}  // namespace
}  // namespace altostrat
