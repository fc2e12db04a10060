#pragma once
// The screen as a program reads it: the virtual screen and each monitor on it in physical
// pixels, with the monitor's scale as dots per inch (96 is 100 %, 144 is 150 %). The keeper
// records it with its photograph and the host compares it with its own reading, so both must
// read it the same way (common/win32/screen_reading.h) and neither may be scaled by the system.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/screen_rect.h"

namespace altostrat {

struct MonitorPlace {
    ScreenRect rect;
    std::uint32_t dpi = 96;
    bool primary = false;
};

struct ScreenLayout {
    ScreenRect virtualScreen;
    std::vector<MonitorPlace> monitors;
};

// Rows of 24-bit pixels as a photograph of the screen holds them: blue, green, red; the top row
// first; rows STRIDE bytes apart (each padded to a multiple of 4, as a DIB's rows are:
// BmpRowBytes(width, 24)).
struct BgrRows {
    int width = 0;
    int height = 0;
    const std::uint8_t* rows = nullptr;
    std::size_t stride = 0;
};

}  // namespace altostrat
