// The day's light, held to what a viewer sees: no visible jump from one minute to the next all
// round the clock, midday the flight's colours as they always were, and a dark night.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "flight/bitmap/dib_image.h"
#include "flight/sky/daylight.h"
#include "flight/sky/daylight_pictures.h"

namespace altostrat {
namespace {

std::vector<float> Colours(const DaylightColours& c) {
    std::vector<float> values;
    for (const DaylightColour& colour : {c.skyZenith, c.skyHorizon, c.skySunward, c.glow, c.fog,
                                         c.lightAmbient, c.lightDiffuse, c.groundTint}) {
        values.insert(values.end(), {colour.r, colour.g, colour.b});
    }
    values.insert(values.end(), {c.stars, c.moon, c.glowHaloAlpha, c.glowCoreAlpha});
    return values;
}

float Brightness(const DaylightColour& c) {
    return (c.r + c.g + c.b) / 3.0f;
}

// The sky is renewed once a minute, so each renewal is a step: a step of a few levels of 255 on
// a large smooth area is the most that passes unseen. The glow's sizes may change by a small
// part of themselves.
TEST(DaylightTest, NoMinuteDiffersVisiblyFromTheOneBeforeAllRoundTheClock) {
    constexpr float kStep = 4.0f / 255.0f;
    for (int minute = 0; minute < 24 * 60; ++minute) {
        SCOPED_TRACE(::testing::Message() << "minute " << minute);
        const DaylightColours before = DaylightAt(minute);
        const DaylightColours after = DaylightAt(minute + 1);
        const std::vector<float> a = Colours(before), b = Colours(after);
        for (std::size_t i = 0; i < a.size(); ++i) {
            ASSERT_LE(std::fabs(a[i] - b[i]), kStep) << "value " << i;
        }
        for (const auto size :
             {&DaylightColours::glowHaloHalfSize, &DaylightColours::glowCoreHalfSize}) {
            ASSERT_LE(std::fabs(before.*size - after.*size), 0.02f * before.*size);
        }
    }
    // Midnight is reached from both sides alike, and the time is taken modulo a day.
    EXPECT_EQ(Colours(DaylightAt(24 * 60)), Colours(DaylightAt(0)));
    EXPECT_EQ(Colours(DaylightAt(-60)), Colours(DaylightAt(23 * 60)));
    const std::vector<float> late = Colours(DaylightAt(24 * 60 - 0.001));
    const std::vector<float> midnight = Colours(DaylightAt(0));
    for (std::size_t i = 0; i < late.size(); ++i) {
        EXPECT_NEAR(late[i], midnight[i], 1e-4f);
    }
}

// The colours the flight has always had, as its description gives them (the fog and clear
// colour 211, 237, 254; the glow orange 1, 0.5, 0 in squares of 10000 and 1000 at alpha 0.5 and
// 1) and as the aircraft was lit before the sky followed the clock; the desktop untinted.
TEST(DaylightTest, MiddayIsTheFlightsOwnLight) {
    for (const double minutes : {12 * 60.0, 11 * 60.0, 14 * 60.0 + 30}) {
        SCOPED_TRACE(minutes);
        const DaylightColours c = DaylightAt(minutes);
        EXPECT_EQ(c.fog.r, 211.0f / 255.0f);
        EXPECT_EQ(c.fog.g, 237.0f / 255.0f);
        EXPECT_EQ(c.fog.b, 254.0f / 255.0f);
        EXPECT_EQ(c.glow.r, 1.0f);
        EXPECT_EQ(c.glow.g, 0.5f);
        EXPECT_EQ(c.glow.b, 0.0f);
        EXPECT_EQ(c.glowHaloHalfSize, 5000.0f);
        EXPECT_EQ(c.glowHaloAlpha, 0.5f);
        EXPECT_EQ(c.glowCoreHalfSize, 500.0f);
        EXPECT_EQ(c.glowCoreAlpha, 1.0f);
        EXPECT_EQ(c.moon, 0.0f);
        EXPECT_EQ(c.stars, 0.0f);
        EXPECT_EQ(c.lightAmbient.r, 0.70f);
        EXPECT_EQ(c.lightAmbient.g, 0.78f);
        EXPECT_EQ(c.lightAmbient.b, 0.90f);
        for (const DaylightColour& white : {c.lightDiffuse, c.groundTint}) {
            EXPECT_EQ(white.r, 1.0f);
            EXPECT_EQ(white.g, 1.0f);
            EXPECT_EQ(white.b, 1.0f);
        }
        // A blue sky, deeper overhead than at the horizon.
        EXPECT_GT(c.skyZenith.b, c.skyZenith.r + 0.3f);
        EXPECT_LT(Brightness(c.skyZenith), Brightness(c.skyHorizon));
    }
    // The sun's glow picture is the host's glow picture, pixel for pixel.
    const std::unique_ptr<RgbImage> hosts =
        LoadDibImage(std::string(ALTOSTRAT_ASSETS_DIR) + "/glow.bmp", [](const std::string&) {});
    ASSERT_TRUE(hosts);
    const RgbImage made = MakeGlowPicture(DaylightAt(12 * 60));
    EXPECT_EQ(made.width, hosts->width);
    EXPECT_EQ(made.height, hosts->height);
    EXPECT_TRUE(made.pixels == hosts->pixels);
}

// Night, at any hour between late evening and the small hours: a dark blue sky full of stars, a
// pale moon in place of the orange sun, the desktop on the ground dimmed and blued, and the
// aircraft lit dimly in blue-grey.
TEST(DaylightTest, NightIsDarkUnderStarsAndAPaleMoon) {
    for (const double minutes : {22 * 60.0, 23 * 60.0, 0.0, 2 * 60.0, 3 * 60.0 + 30}) {
        SCOPED_TRACE(minutes);
        const DaylightColours c = DaylightAt(minutes);
        EXPECT_LT(Brightness(c.skyZenith), 0.05f);
        EXPECT_LT(Brightness(c.fog), 0.1f);
        EXPECT_GT(c.fog.b, c.fog.r);
        EXPECT_EQ(c.stars, 1.0f);
        EXPECT_EQ(c.moon, 1.0f);
        EXPECT_LT(
            std::max({c.glow.r, c.glow.g, c.glow.b}) - std::min({c.glow.r, c.glow.g, c.glow.b}),
            0.15f);
        EXPECT_LT(Brightness(c.groundTint), 0.45f);
        EXPECT_GT(c.groundTint.b, c.groundTint.r + 0.1f);
        const float lit = Brightness(c.lightAmbient) + Brightness(c.lightDiffuse);
        EXPECT_GT(lit, 0.2f);  // still there to be seen
        EXPECT_LT(lit, 0.6f);
        EXPECT_GT(c.lightAmbient.b, c.lightAmbient.r);
    }
}

}  // namespace
}  // namespace altostrat
