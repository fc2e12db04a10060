#pragma once
// Where the clock sits and how bright it is. It keeps to the bottom right corner of its area, on
// a dark plate that keeps light digits legible over any ground, at a size that grows with the
// area's height (one font pixel per 200 screen pixels, at least one), so it reads the same on a
// small preview and a large monitor.
//
// An OLED panel keeps the ghost of whatever stays lit at one place for hours, so the clock moves
// each minute: through every place of a small box, a font pixel apart, each minute's place
// differing from the last in both directions. The place depends on the minute alone, so every
// flight drawing the same minute puts the clock in the same place and a test can name it.

#include "common/screen_rect.h"
#include "flight/sky/daylight.h"

namespace altostrat {

// The drift box's side in places; its places lie a font pixel apart.
constexpr int kClockDriftPlaces = 4;

struct ClockDrift {
    int left = 0;  // font pixels leftwards from the corner's own place
    int up = 0;    // font pixels upwards
};

// The size of one font pixel in screen pixels for an area AREA_HEIGHT pixels tall.
int ClockScale(int areaHeight);

// The drift for MINUTE_OF_DAY (any minute; taken modulo the number of places).
ClockDrift ClockDriftAt(int minuteOfDay);

// The plate behind a text TEXT_WIDTH font pixels wide, in AREA's pixels (top-left origin), at
// the minute's place. The text lies on it kClockPadding font pixels in from its left and bottom.
ScreenRect ClockPlate(const ScreenRect& area, int textWidth, int minuteOfDay);
constexpr int kClockPadding = 2;

// How bright the digits are under COLOURS, from 1 at midday down to about a third at night,
// with the aircraft's own light, so the clock never glares out of a dark flight.
float ClockBrightness(const DaylightColours& colours);

}  // namespace altostrat
