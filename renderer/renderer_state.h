#pragma once
// Everything one running renderer owns beyond its window: created by the entry point, passed
// by reference, so a test can build a fresh one.

#include <cstdint>

#include "crt_random.h"
#include "extension_probe.h"
#include "flight_model.h"
#include "frame_clock.h"

namespace altostrat {

struct RendererState {
    FlightState flight;
    CrtRandom random;
    FrameClock frameClock;
    std::int64_t lastFrameEnd = 0;   // clock ticks at the end of the previous frame
    MultitextureState multitexture;  // probed once at scene set-up
};

}  // namespace altostrat
