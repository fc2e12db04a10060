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
//
// On battery power the pictures are spaced out to spare it, while the flight keeps its pace of
// one step per 15 ms and each picture shows the flight interpolated between two steps. A picture
// is shown for the same whole number of refreshes, the fewest that keep to 30 pictures a second:
// ceil(refresh / 30), so 30 a second at 60 Hz, 25 at 75 Hz, 28.8 at 144 Hz and 30 at 240 Hz
// (unequal holds, such as 2 and 3 refreshes in turn at 75 Hz, would make the motion judder).
// - By the refresh, a pass begins as the previous picture comes on screen, draws, and waits on
//   the clock until half a refresh before the refresh its picture is due at, so that presenting
//   lands on that refresh. Where the system reports no refresh rate, the time between presents
//   while the loop probed stands in for a refresh.
// - By the clock, pictures fall due on a schedule of their own, that many refreshes apart (60 Hz
//   standing in for a rate the system does not report). The wait ends early by as long as the
//   latest present took, so that the picture is out when it is due: a software renderer does
//   its drawing only when asked to present, and a wait on top of that would cost pictures
//   without saving anything.
// While the loop probes whether presenting waits it draws at full rate, as it cannot yet tell
// refreshes apart. The platform is asked whether it runs on battery at the first paced pass and
// every few seconds after, or at once when it heard that the power source changed; back on
// mains, the next pass is at full rate.

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
constexpr double kBatteryPicturesPerSecond = 30.0;
constexpr double kPowerSourceCheckSeconds = 3.0;
constexpr double kAssumedRefreshHz = 60.0;  // for pictures by the clock, when no rate is reported

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

    std::uint64_t ticksPerSecond = 0;
    double refreshHz = 0.0;  // reported, or measured from the presents; 0 while unknown

    bool onBattery = false;
    bool powerSourceKnown = false;  // asked, and not heard since that the source changed
    std::int64_t lastPowerCheck = 0;
    std::int64_t lastPictureTime = 0;   // on battery, by the clock: when the latest picture was due
    std::int64_t lastPresentTicks = 0;  // how long the latest present took

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

// The fraction of the latest step to draw: 1 (the latest step itself) when paced by the clock
// on mains.
float DrawFraction(const FramePacer& pacer, std::int64_t now);

// Paced by the clock: on mains the pass sleeps until the next step is due before it presents.
bool WaitsForClock(const FramePacer& pacer);
std::int64_t NextStepTime(const FramePacer& pacer);

// How many refreshes a picture is shown for on battery at that refresh rate: the fewest that
// keep to kBatteryPicturesPerSecond (a rate measured a little above a multiple of 30 Hz still
// counts as that multiple). At least 1.
int RefreshesPerBatteryPicture(double refreshHz);

// Whether the pictures are spaced out for the battery now.
bool BatteryPaced(const FramePacer& pacer);

// Whether to ask the platform about the power source at this pass; then NotePowerSource with
// its answer.
bool PowerSourceCheckDue(const FramePacer& pacer, std::int64_t now);
void NotePowerSource(FramePacer& pacer, bool onBattery, std::int64_t now);

// The platform heard that the power source changed: the next pass asks.
void RenewPowerSource(FramePacer& pacer);

// After drawing, whether the pass waits on the clock before presenting: until `ticks` have
// passed since `since`.
struct PresentWait {
    bool waits = false;
    std::int64_t since = 0;
    std::int64_t ticks = 0;
};
PresentWait WaitBeforePresenting(const FramePacer& pacer);

// After each present, with the clock readings when it was asked for and when it returned.
void NotePresented(FramePacer& pacer, std::int64_t presentStart, std::int64_t presentEnd);

// The pose a picture shows: the latest step, or a fraction of the way to it.
FlightPose DrawnPose(const FramePacer& pacer, const FlightState& flight);

}  // namespace altostrat
