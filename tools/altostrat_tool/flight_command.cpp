#include <cstdio>

#include "flight/motion/flight_model.h"
#include "tools/altostrat_tool/arguments.h"
#include "tools/altostrat_tool/commands.h"

namespace altostrat::tool {

const char kFlightUsage[] = "flight STEPS TIME";

int FlightCommand(int argc, char** argv) {
    if (argc != 2) {
        return UsageError("flight takes a step count and a calendar time", kFlightUsage);
    }
    const auto steps = ParseInteger(argv[0], 0, INT64_MAX);
    const auto time = ParseInteger(argv[1], INT64_MIN, INT64_MAX);
    if (!steps || !time) {
        return UsageError("STEPS and TIME must be whole numbers (STEPS 0 or more)", kFlightUsage);
    }
    FlightState flight;
    CrtRandom random;
    for (std::int64_t step = 1; step <= *steps; ++step) {
        UpdateFlight(flight, random, *time);
        std::printf("%lld %.9g %.9g %.9g %.9g %.9g %.9g %.9g %d %d\n", static_cast<long long>(step),
                    flight.flightX, flight.flightZ, flight.heading, flight.bank, flight.bodyYaw,
                    flight.speed, flight.throttle, flight.straightFlight ? 1 : 0,
                    static_cast<int>(flight.phaseLength));
    }
    return 0;
}

}  // namespace altostrat::tool
