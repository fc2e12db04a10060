#include "flight/clock/clock_place.h"

#include <algorithm>

#include "flight/clock/pixel_font.h"

namespace altostrat {
namespace {

// The gap between the plate and the corner, in font pixels, before the drift.
constexpr int kCornerGap = 6;

}  // namespace

int ClockScale(int areaHeight) {
    return std::max(1, areaHeight / 200);
}

ClockDrift ClockDriftAt(int minuteOfDay) {
    constexpr int kPlaces = kClockDriftPlaces * kClockDriftPlaces;
    const int i = ((minuteOfDay % kPlaces) + kPlaces) % kPlaces;
    // Across by one each minute, and up by one more at each new row, so that consecutive
    // minutes differ both ways and the sixteen minutes visit every place once.
    return {i % kClockDriftPlaces, (i / kClockDriftPlaces + i) % kClockDriftPlaces};
}

ScreenRect ClockPlate(const ScreenRect& area, int textWidth, int minuteOfDay) {
    const int scale = ClockScale(area.Height());
    const ClockDrift drift = ClockDriftAt(minuteOfDay);
    const int width = (textWidth + 2 * kClockPadding) * scale;
    const int height = (kPixelGlyphHeight + 2 * kClockPadding) * scale;
    const int right = area.right - (kCornerGap + drift.left) * scale;
    const int bottom = area.bottom - (kCornerGap + drift.up) * scale;
    const int left = std::max(area.left, right - width);
    const int top = std::max(area.top, bottom - height);
    return {left, top, left + width, top + height};
}

float ClockBrightness(const DaylightColours& colours) {
    const DaylightColour& light = colours.lightDiffuse;
    const float strongest = std::max({light.r, light.g, light.b});
    return std::clamp(strongest, 0.3f, 1.0f);
}

}  // namespace altostrat
