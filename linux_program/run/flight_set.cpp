#include "linux_program/run/flight_set.h"

#include <cstdio>

#include "flight/display/monitor_flights.h"
#include "flight/loop/frame_step.h"
#include "flight/scene/aircraft.h"
#include "linux_program/run/embedded_glider.h"

namespace altostrat {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

}  // namespace

RendererState& AddFlight(FlightSet& set, const HackOptions& options) {
    const int index = static_cast<int>(set.flights.size());
    RendererState& state = set.flights.emplace_back();
    state.flight = FlightStartFor(index);
    state.options.skyFollowsClock = options.skyFollowsClock;
    state.options.showClock = options.clock;
    // Read from the program's own bytes before the scene set-up records it.
    if (options.showAircraft && !LoadAircraftBytes(state, kGliderMs3d, kGliderMs3dSize)) {
        std::fprintf(stderr, "altostrat: the built-in glider cannot be read; flying without it\n");
    }
    return state;
}

void FollowLead(FlightSet& set, std::size_t index, std::int64_t calendarSeconds) {
    FollowLeadFlight(set.flights[index], set.flights.front(),
                     calendarSeconds + kSecondsPerDay * static_cast<std::int64_t>(index));
}

bool RunFlightPass(FlightSet& set, const ScenePlatform& platform, std::int64_t calendarSeconds,
                   const std::function<void()>& draw) {
    if (set.flights.empty()) {
        return true;  // nothing set up yet to fly
    }
    RendererState& lead = set.flights.front();
    const bool goOn = draw ? RunFrameStep(lead, platform, true, calendarSeconds,
                                          [&draw](RendererState&) { draw(); })
                           : RunFrameStep(lead, platform, true, calendarSeconds);
    for (std::size_t i = 1; i < set.flights.size(); ++i) {
        FollowLead(set, i, calendarSeconds);
    }
    if (goOn && set.countFrames) {
        CountFrame(set.meter);
    }
    return goOn;
}

}  // namespace altostrat
