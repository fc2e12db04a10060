// All state and arithmetic is single precision, with the constants rounded to float as the
// aircraft's handling was tuned with them. The three transcendental functions are evaluated in
// double and rounded once to float, which gives the same result with every C library.
#include "flight/motion/flight_model.h"

#include <cmath>

namespace altostrat {
namespace {

constexpr float kDegreesToRadians = 0.017453292f;
constexpr float kOneThird = 0.33333334f;
constexpr float kOneThirtieth = 0.033333335f;

float SinF(float x) {
    return static_cast<float>(std::sin(static_cast<double>(x)));
}
float CosF(float x) {
    return static_cast<float>(std::cos(static_cast<double>(x)));
}
float SqrtF(float x) {
    return static_cast<float>(std::sqrt(static_cast<double>(x)));
}

// A new phase lasts 100 to 599 steps; its direction and length come from the calendar second.
std::int32_t DrawPhaseLength(CrtRandom& random) {
    return NextRandom(random) % 500 + 100;
}

void AdvancePhase(FlightState& f, CrtRandom& random, std::int64_t calendarSeconds) {
    const auto seed = static_cast<std::uint32_t>(calendarSeconds);
    if (f.straightFlight) {
        f.straightSteps += 1;
        if (f.straightSteps > f.phaseLength) {
            f.straightFlight = false;
            SeedRandom(random, seed);
            f.turnDirection = NextRandom(random) % 2;
            f.straightSteps = 0;
            f.turnSteps = 0;
            f.phaseLength = DrawPhaseLength(random);
        }
        return;
    }
    f.turnSteps += 1;
    if (f.turnSteps > f.phaseLength) {
        // The step that ends a turn applies neither a bank increment nor a throttle cut.
        f.straightFlight = true;
        f.straightSteps = 0;
        SeedRandom(random, seed);
        f.phaseLength = DrawPhaseLength(random);
        return;
    }
    const float d = 5.0f / (std::fabs(f.speed) + 1.0f);
    f.bank = f.turnDirection == 1 ? f.bank + d : f.bank - d;
    f.throttle = f.throttle * 0.99f;
}

}  // namespace

void UpdateFlight(FlightState& f, CrtRandom& random, std::int64_t calendarSeconds) {
    AdvancePhase(f, random, calendarSeconds);

    f.bank = f.bank * 0.935f;
    f.heading = f.heading + f.bank * kOneThird;
    f.bodyYaw = (f.bank * 0.2f + f.bodyYaw) * 0.95f;

    f.throttleRate = ((f.throttleTarget - f.throttle) * 0.1f + f.throttleRate) * 0.9f;
    f.throttle = f.throttle + f.throttleRate * 0.1f;
    f.speedRate = (10.0f * SqrtF(f.throttle + 1.0f) - f.speed + f.speedRate) * 0.9f;
    f.speed = f.speed + f.speedRate * 0.001f;

    const float a = f.heading * kDegreesToRadians;
    const float absSpeed = std::fabs(f.speed);
    const float factor = absSpeed / (absSpeed + 1.0f);
    const float velocityX = -SinF(a) * f.speed * factor;
    const float velocityZ = -CosF(a) * f.speed * factor;
    f.flightX = f.flightX + velocityX * kOneThirtieth;
    f.flightZ = f.flightZ + velocityZ * kOneThirtieth;
}

}  // namespace altostrat
