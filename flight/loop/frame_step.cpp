#include "flight/loop/frame_step.h"

#include "flight/scene/scene.h"

namespace altostrat {

namespace {

bool DisplayPoweredDown(const ScenePlatform& platform) {
    return platform.displayPoweredDown && platform.displayPoweredDown();
}

bool StopRequested(const ScenePlatform& platform) {
    return platform.stopRequested && platform.stopRequested();
}

void TakeFlightStep(RendererState& state, std::int64_t calendarSeconds) {
    KeepFlightInsidePeriod(state.flight);
    state.pacer.previousPose = PoseOf(state.flight);
    UpdateFlight(state.flight, state.random, calendarSeconds);
    ++state.pacer.stepsTaken;
}

void AskAboutRefresh(FramePacer& pacer, const FrameClock& clock, const ScenePlatform& platform) {
    const bool offered = platform.presentWithRefresh && platform.presentWithRefresh();
    const double refreshHz = platform.refreshRate ? platform.refreshRate() : 0.0;
    SetUpPacing(pacer, clock.frequency, offered, refreshHz);
}

// A pass paced by the clock or by the display's refresh (frame_pacer.h).
bool RunPacedPass(RendererState& state, const ScenePlatform& platform, std::int64_t calendarSeconds,
                  const FrameDrawer& draw) {
    FramePacer& pacer = state.pacer;
    const FrameClock& clock = state.frameClock;
    if (!pacer.setUp) {
        AskAboutRefresh(pacer, clock, platform);
    }
    const std::int64_t now = ReadClockTicks(clock, platform.clock);
    if (platform.onBattery && PowerSourceCheckDue(pacer, now)) {
        NotePowerSource(pacer, platform.onBattery(), now);
    }
    if (!pacer.running) {
        StartSchedule(pacer, now);
        KeepFlightInsidePeriod(state.flight);
        pacer.previousPose = PoseOf(state.flight);
    }
    for (int due = StepsDue(pacer, now); due > 0; --due) {
        TakeFlightStep(state, calendarSeconds);
    }
    pacer.drawFraction = DrawFraction(pacer, now);
    draw(state);
    const PresentWait wait = WaitBeforePresenting(pacer);
    if (wait.waits) {
        WaitClockGap(clock, platform.clock, wait.since, wait.ticks);
    }
    if (StopRequested(platform)) {
        return false;
    }
    const std::int64_t presentStart = ReadClockTicks(clock, platform.clock);
    if (platform.swapBuffers) {
        platform.swapBuffers();
    }
    NotePresented(pacer, presentStart, ReadClockTicks(clock, platform.clock));
    return true;
}

}  // namespace

bool PassDraws(bool windowActive, const ScenePlatform& platform) {
    return windowActive && !DisplayPoweredDown(platform);
}

bool RunFrameStep(RendererState& state, const ScenePlatform& platform, bool drawing,
                  std::int64_t calendarSeconds, const FrameDrawer& draw) {
    const bool poweredDown = DisplayPoweredDown(platform);
    if (drawing && !poweredDown && platform.waitForFramePeriod) {
        return RunPacedPass(state, platform, calendarSeconds, draw);
    }
    // Unpaced: one picture (or, minimised or with the display off, none) and one step.
    PauseSchedule(state.pacer);
    state.pacer.drawFraction = 1.0f;
    if (drawing && !poweredDown) {
        draw(state);
    }
    if (StopRequested(platform)) {
        return false;
    }
    if (platform.swapBuffers && !poweredDown) {
        platform.swapBuffers();
    }
    TakeFlightStep(state, calendarSeconds);
    return true;
}

void FollowLeadFlight(RendererState& follower, const RendererState& lead,
                      std::int64_t calendarSeconds) {
    FramePacer& pacer = follower.pacer;
    if (!pacer.running) {
        // As a paced lead starts its schedule: the first picture shows the start itself.
        KeepFlightInsidePeriod(follower.flight);
        pacer.previousPose = PoseOf(follower.flight);
        pacer.running = true;
    }
    while (pacer.stepsTaken < lead.pacer.stepsTaken) {
        TakeFlightStep(follower, calendarSeconds);
    }
    pacer.drawFraction = lead.pacer.drawFraction;
}

bool RunFrameStep(RendererState& state, const ScenePlatform& platform, bool drawing,
                  std::int64_t calendarSeconds) {
    return RunFrameStep(state, platform, drawing, calendarSeconds,
                        [&platform](RendererState& s) { DrawFrame(s, platform); });
}

}  // namespace altostrat
