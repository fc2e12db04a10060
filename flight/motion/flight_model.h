#pragma once
// The self-flying aircraft: straight stretches and banked turns of random length, advanced one
// step per pass of the frame loop. Movement is counted in steps, not seconds.

#include <cstdint>

#include "flight/terrain/crt_random.h"

namespace altostrat {

struct FlightState {
    float flightX = -250.0f;
    float flightZ = -250.0f;
    float heading = 0.0f;  // degrees, never wrapped
    float bank = 0.0f;
    float bodyYaw = 0.0f;
    float speed = 5.0f;
    float speedRate = 0.0f;
    float throttle = 5.0f;
    float throttleRate = 0.0f;
    float throttleTarget = 5.0f;
    bool straightFlight = true;
    std::int32_t phaseLength = 200;
    std::int32_t straightSteps = 0;
    std::int32_t turnSteps = 0;
    std::int32_t turnDirection = 0;  // 1: bank grows during the turn, 0: it shrinks
};

// Advances the flight by one step. At a change of phase the generator is reseeded with
// calendarSeconds (the C library's time of day, in whole seconds), as srand(time(NULL)) would.
void UpdateFlight(FlightState& flight, CrtRandom& random, std::int64_t calendarSeconds);

}  // namespace altostrat
