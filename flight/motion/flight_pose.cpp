#include "flight/motion/flight_pose.h"

#include "flight/terrain/terrain.h"

namespace altostrat {
namespace {

constexpr float kPeriod = static_cast<float>(kTerrainPeriod);

float Mix(float from, float to, float fraction) {
    return from + (to - from) * fraction;
}

// The position a fraction of the way along a step, the step taken the short way when the
// flight's position was moved by a period in between.
float MixPosition(float from, float to, float fraction) {
    float step = to - from;
    if (step > kPeriod / 2.0f) {
        step -= kPeriod;
    } else if (step < -kPeriod / 2.0f) {
        step += kPeriod;
    }
    float position = from + step * fraction;
    if (position > 0.0f) {
        position -= kPeriod;
    }
    if (position < -kPeriod) {
        position += kPeriod;
    }
    return position;
}

}  // namespace

FlightPose PoseOf(const FlightState& flight) {
    return {flight.flightX, flight.flightZ, flight.heading,
            flight.bank,    flight.bodyYaw, flight.speed};
}

FlightPose InterpolatePose(const FlightPose& from, const FlightPose& to, float fraction) {
    if (fraction <= 0.0f) {
        return from;
    }
    if (fraction >= 1.0f) {
        return to;
    }
    FlightPose pose;
    pose.flightX = MixPosition(from.flightX, to.flightX, fraction);
    pose.flightZ = MixPosition(from.flightZ, to.flightZ, fraction);
    pose.heading = Mix(from.heading, to.heading, fraction);
    pose.bank = Mix(from.bank, to.bank, fraction);
    pose.bodyYaw = Mix(from.bodyYaw, to.bodyYaw, fraction);
    pose.speed = Mix(from.speed, to.speed, fraction);
    return pose;
}

}  // namespace altostrat
