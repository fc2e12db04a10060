#pragma once
// What a flight's clock keeps from one minute to the next: the user's format, read once at the
// scene set-up, and the minute's text already laid out in the pixel font, so a frame only draws.

#include <string>
#include <vector>

#include "common/clock_format.h"
#include "flight/clock/pixel_font.h"

namespace altostrat {

struct ClockState {
    ClockFormat format;  // the user's, as the pixel font can draw it
    int minute = -1;     // the local minute of the day the text was made for; -1 before it
    std::string text;
    std::vector<PixelRun> runs;  // the text's lit font pixels
};

}  // namespace altostrat
