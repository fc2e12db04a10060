#pragma once
// The user's time format as the C library knows it from the environment (LC_ALL, LC_TIME, LANG),
// read without touching the program's own locale, which stays "C" for everything else. On
// Windows the C library knows no such thing: the renderer reads the user's format from Windows
// itself and hands it in (scene_platform.h), and this gives the 24-hour default.

#include "common/clock_format.h"

namespace altostrat {

ClockFormat SystemClockFormat();

}  // namespace altostrat
