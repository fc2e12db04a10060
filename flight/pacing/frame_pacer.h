#pragma once
// When the frame loop steps the flight, what fraction of a step it draws, and whether it waits
// for the clock. The flight advances one step per 15 ms of real time, on a schedule kept in
// clock ticks; each pass takes the steps that have fallen due and draws one picture.
//
// Two ways of pacing the pictures:
// - By the refresh: the platform has agreed to present in step with the display's refresh, so
//   presenting waits for the next refresh and paces the loop by itself. Each pass then draws
//   the flight as it was one step before the pass began, interpolated between the two steps
//   around that moment, so the motion is even whatever the refresh rate.
// - By the clock: where presenting does not wait, a pass draws the latest step and then sleeps
//   until the next step is due before presenting: one picture per step, as the loop always
//   did, with nothing spinning.
//
// Whether presenting waits is measured, not believed: a driver may agree and ignore it, and a
// software renderer (Mesa under Wine on Xvfb) returns from every present at once. The loop
// starts by the refresh when the platform agrees, and watches the time between the ends of
// successive presents. Waiting presents come one refresh apart or more; presents that do not
// wait come as fast as the picture is drawn. Over the last eight presents (after the first two,
// which may carry start-up work), when at least half came at least 0.8 of a refresh period
// apart, presenting waits; when more than half came faster, it does not, and the loop paces
// itself by the clock for the rest of the run. The refresh period is the one the system
// reports; where it reports none (or a rate outside 20 to 500 Hz) one flight step stands in:
// presents that come a step apart or more cost no more processor time than the clock's own
// pace, and a faster display whose rate is unknown is simply paced by the clock.
//
// A picture that took long (a slow machine, or the loop stopped by a suspend or a debugger)
// is followed by all the steps that fell due meanwhile, up to kMostStepsPerPicture; a longer
// backlog is dropped, so after a stall the flight goes on from where it was instead of racing.

#include <array>
#include <cstdint>

#include "flight/motion/flight_pose.h"

namespace altostrat {

enum class PaceMode {
    kClock,    // one picture per step, the loop waiting for the clock
    kProbing,  // by the refresh, while the first presents show whether they wait
    kRefresh,  // by the refresh, presents having been seen to wait
};

constexpr int kMostStepsPerPicture = 6;
constexpr int kWatchedPresents = 8;
constexpr int kWarmUpPresents = 2;

struct FramePacer {
    bool setUp = false;    // the platform was asked about the refresh
    bool running = false;  // the step schedule runs; false again after passes that draw nothing
    PaceMode mode = PaceMode::kClock;
    std::int64_t stepTicks = 0;        // one flight step, in clock ticks
    std::int64_t waitingInterval = 0;  // presents at least this far apart count as waiting
    std::int64_t lastStepTime = 0;     // when the latest step fell due
    bool presentSeen = false;
    std::int64_t lastPresentEnd = 0;
    int warmUpLeft = kWarmUpPresents;
    std::array<std::int64_t, kWatchedPresents> intervals{};
    int intervalCount = 0;
    int nextInterval = 0;

    FlightPose previousPose;    // the flight before its latest step
    float drawFraction = 1.0f;  // of the latest step, for the picture being drawn
    std::uint64_t stepsTaken = 0;
};

// Once, before the first paced pass. refreshOffered: the platform agreed to present in step
// with the refresh; refreshHz: the rate the system reports, 0 when it reports none.
void SetUpPacing(FramePacer& pacer, std::uint64_t ticksPerSecond, bool refreshOffered,
                 double refreshHz);

// Starts the step schedule at now: the first pass, and the first after passes that drew nothing.
void StartSchedule(FramePacer& pacer, std::int64_t now);

// Passes that draw nothing (the window minimised, the display powered down) step the flight
// by themselves; the schedule starts afresh when drawing resumes.
void PauseSchedule(FramePacer& pacer);

// How many steps to take now, at most kMostStepsPerPicture; the schedule moves past them. A
// clock that went back restarts the schedule.
int StepsDue(FramePacer& pacer, std::int64_t now);

// The fraction of the latest step to draw: 1 (the latest step itself) when paced by the clock.
float DrawFraction(const FramePacer& pacer, std::int64_t now);

// Paced by the clock: the pass sleeps until the next step is due before it presents.
bool WaitsForClock(const FramePacer& pacer);
std::int64_t NextStepTime(const FramePacer& pacer);

// After each present, with the clock reading when it returned.
void NotePresented(FramePacer& pacer, std::int64_t presentEnd);

// The pose a picture shows: the latest step, or a fraction of the way to it.
FlightPose DrawnPose(const FramePacer& pacer, const FlightState& flight);

}  // namespace altostrat
