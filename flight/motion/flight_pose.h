#pragma once
// What a frame shows of the flight: the aircraft's place, direction and attitude, taken from
// the flight state or interpolated between the states before and after one step.
//
// Two rules make the interpolation follow the flight rather than the numbers. The position is
// kept inside one terrain period, so between two steps it may have been moved back by a whole
// period: a jump of more than half a period is the wrap, never flight, and the position moves
// the short way and is then brought back inside the period as the flight's own is. The
// heading is never wrapped (it grows past 360 and below 0 without bound), so it is
// interpolated as it is: turning the short way round a wrapped angle is never needed.

#include "flight/motion/flight_model.h"

namespace altostrat {

struct FlightPose {
    float flightX = -250.0f;
    float flightZ = -250.0f;
    float heading = 0.0f;
    float bank = 0.0f;
    float bodyYaw = 0.0f;
    float speed = 5.0f;  // sets the flying height
};

FlightPose PoseOf(const FlightState& flight);

// The pose at fraction (0 gives from exactly, 1 gives to exactly) of the step from one pose to
// the next, with the position inside (-period, 0].
FlightPose InterpolatePose(const FlightPose& from, const FlightPose& to, float fraction);

}  // namespace altostrat
