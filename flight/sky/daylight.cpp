// The key times are listed in the order of the day, each with the minute it is reached. Between
// two neighbours every value moves along a smooth step (slow at both ends, fastest halfway), and
// the last key of the day leads round midnight into the first. The keys are spaced so that even
// the fastest change, the sky darkening after sunset, moves no colour by more than a few levels
// of 255 in a minute. Equal neighbours (the night, midday) hold their colours unchanged for the
// whole stretch between them.
#include "flight/sky/daylight.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace altostrat {
namespace {

// The sky and fog colour of the flight as it always looked.
constexpr float kClearColour[3] = {211.0f / 255.0f, 237.0f / 255.0f, 254.0f / 255.0f};

constexpr DaylightColour Rgb(float r, float g, float b) {
    return {r, g, b};
}

// The flight as it always looked: the fog in the sky's light blue, the orange sun glow of two
// squares, and the aircraft's one light. The light is the sun: white where it shines, and in the
// shade the soft grey-blue that white paper takes from the sky above it, rather than the dark
// grey of a plain grey ambient.
DaylightColours Midday() {
    DaylightColours c;
    c.skyZenith = Rgb(0.32f, 0.54f, 0.88f);
    c.skyHorizon = Rgb(0.72f, 0.85f, 0.97f);
    c.skySunward = Rgb(0.78f, 0.86f, 0.95f);
    c.stars = 0.0f;
    c.glow = Rgb(1.0f, 0.5f, 0.0f);
    c.glowHaloAlpha = 0.5f;
    c.glowHaloHalfSize = 5000.0f;
    c.glowCoreAlpha = 1.0f;
    c.glowCoreHalfSize = 500.0f;
    c.moon = 0.0f;
    c.fog = Rgb(kClearColour[0], kClearColour[1], kClearColour[2]);
    c.lightAmbient = Rgb(0.70f, 0.78f, 0.90f);
    c.lightDiffuse = Rgb(1.0f, 1.0f, 1.0f);
    c.groundTint = Rgb(1.0f, 1.0f, 1.0f);
    return c;
}

// Under the moon: a deep blue sky full of stars, the moon a pale disc where the sun glowed, the
// fog a dark blue that swallows the ground, the desktop dimmed and blued, and the aircraft a
// dim blue-grey lit by the moon.
DaylightColours Night() {
    DaylightColours c;
    c.skyZenith = Rgb(0.010f, 0.018f, 0.060f);
    c.skyHorizon = Rgb(0.045f, 0.065f, 0.130f);
    c.skySunward = Rgb(0.055f, 0.075f, 0.140f);
    c.stars = 1.0f;
    c.glow = Rgb(0.62f, 0.66f, 0.74f);
    c.glowHaloAlpha = 0.0f;
    c.glowHaloHalfSize = 2500.0f;
    c.glowCoreAlpha = 1.0f;
    c.glowCoreHalfSize = 180.0f;
    c.moon = 1.0f;
    c.fog = Rgb(0.045f, 0.065f, 0.130f);
    c.lightAmbient = Rgb(0.17f, 0.19f, 0.28f);
    c.lightDiffuse = Rgb(0.24f, 0.27f, 0.36f);
    c.groundTint = Rgb(0.24f, 0.28f, 0.44f);
    return c;
}

// The last of the night: the sky paling in violet towards the sun, the stars fading.
DaylightColours BeforeDawn() {
    DaylightColours c;
    c.skyZenith = Rgb(0.05f, 0.07f, 0.20f);
    c.skyHorizon = Rgb(0.24f, 0.22f, 0.36f);
    c.skySunward = Rgb(0.46f, 0.30f, 0.36f);
    c.stars = 0.45f;
    c.glow = Rgb(0.70f, 0.30f, 0.25f);
    c.glowHaloAlpha = 0.05f;
    c.glowHaloHalfSize = 4000.0f;
    c.glowCoreAlpha = 0.55f;
    c.glowCoreHalfSize = 360.0f;
    c.moon = 0.2f;
    c.fog = Rgb(0.22f, 0.20f, 0.32f);
    c.lightAmbient = Rgb(0.26f, 0.26f, 0.36f);
    c.lightDiffuse = Rgb(0.42f, 0.34f, 0.38f);
    c.groundTint = Rgb(0.42f, 0.40f, 0.54f);
    return c;
}

// Sunrise: a rose horizon, gold below the sun, the sky above still a deep blue.
DaylightColours Dawn() {
    DaylightColours c;
    c.skyZenith = Rgb(0.36f, 0.45f, 0.72f);
    c.skyHorizon = Rgb(0.92f, 0.74f, 0.70f);
    c.skySunward = Rgb(1.00f, 0.80f, 0.55f);
    c.stars = 0.0f;
    c.glow = Rgb(1.0f, 0.62f, 0.30f);
    c.glowHaloAlpha = 0.35f;
    c.glowHaloHalfSize = 5000.0f;
    c.glowCoreAlpha = 1.0f;
    c.glowCoreHalfSize = 520.0f;
    c.moon = 0.0f;
    c.fog = Rgb(0.90f, 0.78f, 0.74f);
    c.lightAmbient = Rgb(0.58f, 0.56f, 0.68f);
    c.lightDiffuse = Rgb(1.0f, 0.82f, 0.66f);
    c.groundTint = Rgb(0.90f, 0.80f, 0.76f);
    return c;
}

// Morning: the blue of the day, still a little warm below the sun.
DaylightColours Morning() {
    DaylightColours c;
    c.skyZenith = Rgb(0.22f, 0.45f, 0.82f);
    c.skyHorizon = Rgb(0.74f, 0.84f, 0.95f);
    c.skySunward = Rgb(0.94f, 0.88f, 0.82f);
    c.stars = 0.0f;
    c.glow = Rgb(1.0f, 0.55f, 0.10f);
    c.glowHaloAlpha = 0.5f;
    c.glowHaloHalfSize = 5000.0f;
    c.glowCoreAlpha = 1.0f;
    c.glowCoreHalfSize = 500.0f;
    c.moon = 0.0f;
    c.fog = Rgb(0.80f, 0.90f, 0.98f);
    c.lightAmbient = Rgb(0.68f, 0.74f, 0.86f);
    c.lightDiffuse = Rgb(1.0f, 0.96f, 0.90f);
    c.groundTint = Rgb(0.98f, 0.96f, 0.94f);
    return c;
}

// Late afternoon: a golden haze, the desktop warmed.
DaylightColours Afternoon() {
    DaylightColours c;
    c.skyZenith = Rgb(0.22f, 0.40f, 0.76f);
    c.skyHorizon = Rgb(0.88f, 0.83f, 0.74f);
    c.skySunward = Rgb(1.00f, 0.80f, 0.52f);
    c.stars = 0.0f;
    c.glow = Rgb(1.0f, 0.48f, 0.04f);
    c.glowHaloAlpha = 0.5f;
    c.glowHaloHalfSize = 5000.0f;
    c.glowCoreAlpha = 1.0f;
    c.glowCoreHalfSize = 500.0f;
    c.moon = 0.0f;
    c.fog = Rgb(0.92f, 0.86f, 0.78f);
    c.lightAmbient = Rgb(0.66f, 0.66f, 0.74f);
    c.lightDiffuse = Rgb(1.0f, 0.88f, 0.70f);
    c.groundTint = Rgb(1.0f, 0.92f, 0.82f);
    return c;
}

// Sunset: red and orange at the horizon, violet above, a large red sun.
DaylightColours Dusk() {
    DaylightColours c;
    c.skyZenith = Rgb(0.20f, 0.18f, 0.42f);
    c.skyHorizon = Rgb(0.90f, 0.46f, 0.34f);
    c.skySunward = Rgb(1.00f, 0.42f, 0.14f);
    c.stars = 0.0f;
    c.glow = Rgb(1.0f, 0.30f, 0.04f);
    c.glowHaloAlpha = 0.38f;
    c.glowHaloHalfSize = 5000.0f;
    c.glowCoreAlpha = 1.0f;
    c.glowCoreHalfSize = 560.0f;
    c.moon = 0.0f;
    c.fog = Rgb(0.86f, 0.46f, 0.36f);
    c.lightAmbient = Rgb(0.50f, 0.40f, 0.50f);
    c.lightDiffuse = Rgb(1.0f, 0.56f, 0.36f);
    c.groundTint = Rgb(0.86f, 0.58f, 0.48f);
    return c;
}

// The sky after sunset: deep blue and violet, a last red where the sun went, the first stars.
DaylightColours AfterDusk() {
    DaylightColours c;
    c.skyZenith = Rgb(0.04f, 0.05f, 0.18f);
    c.skyHorizon = Rgb(0.26f, 0.19f, 0.32f);
    c.skySunward = Rgb(0.46f, 0.22f, 0.24f);
    c.stars = 0.5f;
    c.glow = Rgb(0.60f, 0.22f, 0.14f);
    c.glowHaloAlpha = 0.05f;
    c.glowHaloHalfSize = 4000.0f;
    c.glowCoreAlpha = 0.55f;
    c.glowCoreHalfSize = 360.0f;
    c.moon = 0.2f;
    c.fog = Rgb(0.24f, 0.18f, 0.30f);
    c.lightAmbient = Rgb(0.26f, 0.24f, 0.34f);
    c.lightDiffuse = Rgb(0.42f, 0.30f, 0.32f);
    c.groundTint = Rgb(0.44f, 0.38f, 0.50f);
    return c;
}

struct KeyTime {
    double minute;
    DaylightColours (*colours)();
};

// In the order of the day; the last leads round midnight into the first.
const std::array<KeyTime, 10> kKeyTimes = {{
    {3 * 60 + 50, Night},
    {5 * 60 + 10, BeforeDawn},
    {6 * 60 + 30, Dawn},
    {8 * 60 + 10, Morning},
    {10 * 60 + 30, Midday},
    {15 * 60, Midday},
    {17 * 60, Afternoon},
    {18 * 60 + 30, Dusk},
    {19 * 60 + 50, AfterDusk},
    {21 * 60 + 10, Night},
}};

// Written so that a weight of 0, or two equal ends, give that value exactly: midday is then
// exactly the flight's own colours. (A weight of 1 never comes: the next key takes over there.)
float Mix(float a, float b, float weight) {
    return a + (b - a) * weight;
}

DaylightColour Mix(DaylightColour a, DaylightColour b, float weight) {
    return {Mix(a.r, b.r, weight), Mix(a.g, b.g, weight), Mix(a.b, b.b, weight)};
}

DaylightColours Mix(const DaylightColours& a, const DaylightColours& b, float w) {
    DaylightColours c;
    c.skyZenith = Mix(a.skyZenith, b.skyZenith, w);
    c.skyHorizon = Mix(a.skyHorizon, b.skyHorizon, w);
    c.skySunward = Mix(a.skySunward, b.skySunward, w);
    c.stars = Mix(a.stars, b.stars, w);
    c.glow = Mix(a.glow, b.glow, w);
    c.glowHaloAlpha = Mix(a.glowHaloAlpha, b.glowHaloAlpha, w);
    c.glowHaloHalfSize = Mix(a.glowHaloHalfSize, b.glowHaloHalfSize, w);
    c.glowCoreAlpha = Mix(a.glowCoreAlpha, b.glowCoreAlpha, w);
    c.glowCoreHalfSize = Mix(a.glowCoreHalfSize, b.glowCoreHalfSize, w);
    c.moon = Mix(a.moon, b.moon, w);
    c.fog = Mix(a.fog, b.fog, w);
    c.lightAmbient = Mix(a.lightAmbient, b.lightAmbient, w);
    c.lightDiffuse = Mix(a.lightDiffuse, b.lightDiffuse, w);
    c.groundTint = Mix(a.groundTint, b.groundTint, w);
    return c;
}

}  // namespace

DaylightColours MiddayColours() {
    return Midday();
}

DaylightColours DaylightAt(double minutes) {
    double time = std::fmod(minutes, kMinutesPerDay);
    if (!(time >= 0.0)) {  // negative, or not a number at all
        time = std::isnan(time) ? kMiddayMinutes : time + kMinutesPerDay;
    }
    // The key at or before the time, counting round midnight from the day's last key.
    std::size_t from = kKeyTimes.size() - 1;
    for (std::size_t i = 0; i < kKeyTimes.size(); ++i) {
        if (kKeyTimes[i].minute <= time) {
            from = i;
        }
    }
    const std::size_t to = (from + 1) % kKeyTimes.size();
    double start = kKeyTimes[from].minute;
    double end = kKeyTimes[to].minute;
    if (end <= start) {
        end += kMinutesPerDay;
    }
    if (time < start) {
        time += kMinutesPerDay;
    }
    const double x = (time - start) / (end - start);
    const double weight = x * x * (3.0 - 2.0 * x);
    return Mix(kKeyTimes[from].colours(), kKeyTimes[to].colours(), static_cast<float>(weight));
}

}  // namespace altostrat
