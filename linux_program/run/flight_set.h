#pragma once
// The flights of one run, the same on every display path: one flight, or one per monitor or
// output led by the first. The lead's pacer decides when steps fall due and when a picture is
// shown; every other flight (a follower) takes as many steps as the lead has taken and is drawn
// at the same fraction of a step (FollowLeadFlight), so all move at one even pace and nothing is
// presented twice per refresh. Each flight starts from a place of its own (FlightStartFor), and
// follower i steps through a calendar i days ahead of the lead's, so that no two turn alike.
// Every flight carries the built-in glider unless the options leave it out, and follows the
// clock's sky when asked. With --fps the set counts its passes.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>

#include "flight/scene/renderer_state.h"
#include "flight/scene/scene_platform.h"
#include "linux_program/options/hack_options.h"
#include "linux_program/run/fps_meter.h"

namespace altostrat {

struct FlightSet {
    // flights[0] leads; flight i is the i-th started. A deque, so that a flight added while the
    // others fly leaves them where they are.
    std::deque<RendererState> flights;
    bool countFrames = false;  // --fps: the passes counted into meter
    FpsMeter meter;
};

// The set's next flight (the lead first), from its own start, as OPTIONS ask for the sky and
// the glider; a glider that cannot be read is said on stderr, and that flight flies without it.
RendererState& AddFlight(FlightSet& set, const HackOptions& options);

// Follower INDEX (1 on) takes the steps the lead has taken, at its own calendar.
void FollowLead(FlightSet& set, std::size_t index, std::int64_t calendarSeconds);

// One pass of the lead (RunFrameStep) drawn by DRAW, which draws the flights shown and brings
// each follower it draws up to the lead first (FollowLead); an empty DRAW draws the lead alone.
// Then every follower keeps up, and the pass is counted. False when the flight must end; an
// empty set flies nothing.
bool RunFlightPass(FlightSet& set, const ScenePlatform& platform, std::int64_t calendarSeconds,
                   const std::function<void()>& draw);

}  // namespace altostrat
