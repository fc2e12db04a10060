#pragma once
// The frame loop over a simulated display and clock, with no window and no OpenGL: the real
// pass (RunFrameStep with the real frame pacer and flight model) runs, and only the drawing and
// the display are stand-ins. The clock moves only when the loop draws, sleeps or presents.
// Drawing takes a fixed time and notes the pose the frame would show. The display refreshes at
// a fixed rate; presenting in step with it waits for the next refresh and shows the picture
// from then on, and a display that ignores the request returns from presenting at once and
// shows the latest picture at its next refresh. The inspection tool's "pace" command and the
// tests measure the loop with it.

#include <cstdint>

#include "flight/motion/flight_model.h"

namespace altostrat {

struct SimulatedRun {
    double refreshHz = 60.0;
    double drawMilliseconds = 2.0;
    double seconds = 10.0;       // simulated time, the first second included
    bool presentWaits = true;    // false: presenting is asked to wait, and returns at once
    bool reportsRefresh = true;  // the system tells the display's refresh rate
    // The calendar second handed to the flight follows the simulated clock; false: it stays
    // at kSimulationCalendarStart, so the flight can be replayed step by step.
    bool calendarFollowsClock = true;
    // One picture, the first drawn at or after stallAtSeconds, takes stallMilliseconds more (a
    // suspend, a debugger). Negative: none.
    double stallAtSeconds = -1.0;
    double stallMilliseconds = 0.0;
    bool onBattery = false;  // the platform reports battery power throughout
};

// Measured after the loop's first second, in which it finds out whether presenting waits.
struct PaceFigures {
    double stepsPerSecond = 0.0;
    double framesPerSecond = 0.0;  // pictures drawn
    // The largest difference between the distance the shown flight advanced at one refresh and
    // at the next, relative to its mean advance per refresh: 0 for perfectly even motion. On
    // battery, where each picture stays for several refreshes, the same from one picture to
    // the next instead.
    double advanceSpread = 0.0;
    // The fewest and most refreshes a picture stayed on screen (pictures wholly measured).
    int fewestRefreshesPerPicture = 0;
    int mostRefreshesPerPicture = 0;
    int mostStepsPerPicture = 0;   // the most steps taken before one picture
    std::uint64_t stepsTaken = 0;  // over the whole run
    FlightState flight;            // at the end
};

// The flight is first advanced 2000 steps from its start (to cruising speed), each step the
// frame period's wrap and UpdateFlight, at calendar second kSimulationCalendarStart; during
// the run the calendar follows the simulated clock from there.
constexpr std::int64_t kSimulationCalendarStart = 1700000000;
constexpr int kSimulationStartSteps = 2000;

PaceFigures SimulatePace(const SimulatedRun& run);

}  // namespace altostrat
