// "pace": the frame loop over a simulated display and clock (pace_simulation.h), one line of
// figures. steps_per_s is the flight's pace (its design is 66.67 steps a second), frames_per_s
// counts the pictures drawn, and advance_spread the largest difference between the flight's
// shown advance at one refresh and at the next, relative to its mean advance per refresh (0 for
// perfectly even motion; a picture repeated at every other refresh gives 1 or more). With
// --on-battery the platform reports battery power throughout: frames_per_s is then the
// battery's rate, and advance_spread compares the advance from one picture to the next, as each
// picture stays for several refreshes.
#include <cstdio>
#include <string>

#include "flight/loop/pace_simulation.h"
#include "tools/altostrat_tool/arguments.h"
#include "tools/altostrat_tool/commands.h"

namespace altostrat::tool {
namespace {

bool ParseOptions(int argc, char** argv, SimulatedRun& run, std::string& error) {
    bool refresh = false, draw = false, seconds = false;
    for (int i = 0; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--no-vsync") {
            run.presentWaits = false;
            continue;
        }
        if (name == "--on-battery") {
            run.onBattery = true;
            continue;
        }
        if (name != "--refresh" && name != "--draw-ms" && name != "--seconds") {
            error = "unknown option " + name;
            return false;
        }
        if (i + 1 >= argc) {
            error = name + " needs a value";
            return false;
        }
        const std::string value = argv[++i];
        if (name == "--refresh") {
            const auto hz = ParseDecimal(value, 1.0, 1000.0);
            if (!hz) {
                error = "--refresh must be a rate from 1 to 1000 Hz";
                return false;
            }
            run.refreshHz = *hz;
            refresh = true;
        } else if (name == "--draw-ms") {
            const auto ms = ParseDecimal(value, 0.0, 1000.0);
            if (!ms) {
                error = "--draw-ms must be a time from 0 to 1000 ms";
                return false;
            }
            run.drawMilliseconds = *ms;
            draw = true;
        } else {
            // The first second is left out of the figures; a day of simulated time is plenty.
            const auto s = ParseDecimal(value, 2.0, 86400.0);
            if (!s) {
                error = "--seconds must be from 2 to 86400";
                return false;
            }
            run.seconds = *s;
            seconds = true;
        }
    }
    if (!refresh || !draw || !seconds) {
        error = "--refresh, --draw-ms and --seconds are all needed";
        return false;
    }
    return true;
}

}  // namespace

const char kPaceUsage[] = "pace --refresh HZ --draw-ms MS --seconds S [--no-vsync] [--on-battery]";

int PaceCommand(int argc, char** argv) {
    SimulatedRun run;
    std::string error;
    if (!ParseOptions(argc, argv, run, error)) {
        return UsageError(error, kPaceUsage);
    }
    const PaceFigures figures = SimulatePace(run);
    std::printf("steps_per_s=%.2f frames_per_s=%.2f advance_spread=%.3f\n", figures.stepsPerSecond,
                figures.framesPerSecond, figures.advanceSpread);
    return 0;
}

}  // namespace altostrat::tool
