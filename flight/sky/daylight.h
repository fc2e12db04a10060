#pragma once
// A day's light: from the local time of day, every colour the flight scene depends on. A few
// key times (night, the twilight before dawn, dawn, morning, midday, afternoon, dusk, the
// twilight after it) each carry a full set of colours, and the times between are blended with a
// smooth step, so the light changes gently and no minute differs visibly from the one before,
// across midnight too. Midday is the flight as it always looked: the sky-blue fog, the orange
// sun glow, the aircraft's sunlight and the desktop picture untinted.

namespace altostrat {

struct DaylightColour {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};

struct DaylightColours {
    // The sky picture: a gradient from the horizon to overhead, warmer at the horizon below
    // the sun at sunrise and sunset, with stars at night (0 none, 1 the night's full count).
    DaylightColour skyZenith;
    DaylightColour skyHorizon;
    DaylightColour skySunward;
    float stars = 0.0f;

    // The glow: its colour, and the alpha and half size of its two squares (the wide halo and
    // the bright middle). moon blends the glow picture from the sun's soft glow (0) to the
    // moon's disc with a faint halo (1).
    DaylightColour glow;
    float glowHaloAlpha = 0.0f;
    float glowHaloHalfSize = 0.0f;
    float glowCoreAlpha = 0.0f;
    float glowCoreHalfSize = 0.0f;
    float moon = 0.0f;

    DaylightColour fog;  // the fog, and the clear colour behind everything

    // The one light on the aircraft, shining from the glow.
    DaylightColour lightAmbient;
    DaylightColour lightDiffuse;

    // Multiplies the desktop picture on the ground: dimmed and blued at night, warmed at dusk.
    DaylightColour groundTint;
};

constexpr double kMinutesPerDay = 24.0 * 60.0;
constexpr double kMiddayMinutes = 12.0 * 60.0;

// The colours at a local time given as minutes since midnight; any value is taken modulo a day,
// so 1440.5 is 00:00:30.
DaylightColours DaylightAt(double minutes);

// The flight as it looks when the sky does not follow the clock.
DaylightColours MiddayColours();

}  // namespace altostrat
