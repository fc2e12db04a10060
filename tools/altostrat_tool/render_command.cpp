#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "flight/loop/frame_step.h"
#include "flight/scene/aircraft.h"
#include "flight/scene/resize_scene.h"
#include "flight/scene/scene.h"
#include "tools/altostrat_tool/arguments.h"
#include "tools/altostrat_tool/commands.h"
#include "tools/altostrat_tool/ppm_file.h"
#include "tools/offscreen/offscreen_context.h"
#include "tools/offscreen/offscreen_scene_platform.h"

namespace altostrat::tool {
namespace {

struct RenderOptions {
    std::string captureDir;
    std::int64_t frames = -1;
    std::int64_t time = 0;
    bool timeGiven = false;
    std::string out;
    bool singleUnit = false;
    std::string model;  // the aircraft's model file; none: the flight without an aircraft
    int daytime = -1;   // the local minute the sky follows; -1: the sky does not follow the clock
};

// "HH:MM" on the 24-hour clock, as minutes since midnight; -1 for anything else.
int ParseDaytime(const std::string& text) {
    const auto colon = text.find(':');
    if (colon == std::string::npos || text.size() - colon != 3) {
        return -1;
    }
    const auto hours = ParseInteger(text.substr(0, colon), 0, 23);
    const auto minutes = ParseInteger(text.substr(colon + 1), 0, 59);
    if (!hours || !minutes) {
        return -1;
    }
    return static_cast<int>(*hours * 60 + *minutes);
}

bool ParseOptions(int argc, char** argv, RenderOptions& options, std::string& error) {
    for (int i = 0; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--single-unit") {
            options.singleUnit = true;
            continue;
        }
        if (i + 1 >= argc) {
            error = name + " needs a value";
            return false;
        }
        const std::string value = argv[++i];
        if (name == "--capture-dir") {
            options.captureDir = value;
        } else if (name == "--out") {
            options.out = value;
        } else if (name == "--model") {
            options.model = value;
        } else if (name == "--daytime") {
            options.daytime = ParseDaytime(value);
            if (options.daytime < 0) {
                error = "--daytime must be a time of day HH:MM, from 00:00 to 23:59";
                return false;
            }
        } else if (name == "--frames") {
            const auto frames = ParseInteger(value, 1, INT32_MAX);
            if (!frames) {
                error = "--frames must be a whole number of 1 or more";
                return false;
            }
            options.frames = *frames;
        } else if (name == "--time") {
            const auto time = ParseInteger(value, INT64_MIN, INT64_MAX);
            if (!time) {
                error = "--time must be a whole number of seconds";
                return false;
            }
            options.time = *time;
            options.timeGiven = true;
        } else {
            error = "unknown option " + name;
            return false;
        }
    }
    if (options.captureDir.empty() || options.out.empty() || options.frames < 1 ||
        !options.timeGiven) {
        error = "--capture-dir, --frames, --time and --out are all needed";
        return false;
    }
    return true;
}

// The screen as the bitmap reader lays out pictures: bottom row first.
std::vector<std::uint8_t> BottomUp(const std::vector<std::uint8_t>& topDown, int width,
                                   int height) {
    const std::size_t row = static_cast<std::size_t>(width) * 3;
    std::vector<std::uint8_t> flipped(topDown.size());
    for (int y = 0; y < height; ++y) {
        std::copy_n(topDown.begin() + static_cast<std::ptrdiff_t>(row * y), row,
                    flipped.begin() + static_cast<std::ptrdiff_t>(row * (height - 1 - y)));
    }
    return flipped;
}

}  // namespace

const char kRenderUsage[] =
    "render --capture-dir DIR --frames N --time T --out OUT.ppm [--single-unit] [--model FILE]"
    " [--daytime HH:MM]";

int RenderCommand(int argc, char** argv) {
    RenderOptions options;
    std::string error;
    if (!ParseOptions(argc, argv, options, error)) {
        return UsageError(error, kRenderUsage);
    }
    OffscreenContext context(1024, 768);
    if (!context.Valid()) {
        std::fprintf(stderr, "altostrat-tool: no offscreen OpenGL context\n");
        return 1;
    }
    ResizeScene(1024, 768);
    RendererState state;
    state.captureFolder = options.captureDir + "/";
    // Asked for by name, so a model that cannot be read is an error here, not a frame without
    // the aircraft that might be mistaken for one with it.
    if (!options.model.empty() && !LoadAircraftFile(state, options.model)) {
        std::fprintf(stderr, "altostrat-tool: %s is no model that can be read\n",
                     options.model.c_str());
        return 1;
    }
    ScenePlatform platform = OffscreenScenePlatform([](const std::string& message) {
        std::fprintf(stderr, "altostrat-tool: %s", message.c_str());
        if (message.empty() || message.back() != '\n') {
            std::fputc('\n', stderr);
        }
    });
    // The sky follows a clock that stands still at the time asked for.
    if (options.daytime >= 0) {
        state.options.skyFollowsClock = true;
        platform.localMinutes = [minutes = options.daytime] { return double(minutes); };
    }
    if (!InitScene(state, platform)) {
        std::fprintf(stderr, "altostrat-tool: none of the capture files in %s could be loaded\n",
                     options.captureDir.c_str());
        return 1;
    }
    if (options.singleUnit) {
        state.multitexture.multitextureAvailable = false;
    }
    for (std::int64_t frame = 0; frame < options.frames; ++frame) {
        RunFrameStep(state, platform, true, options.time);
    }
    RgbImage frame;
    frame.width = context.Width();
    frame.height = context.Height();
    frame.pixels = BottomUp(context.ReadRgbTopDown(), frame.width, frame.height);
    if (!WritePpm(options.out, frame)) {
        std::fprintf(stderr, "altostrat-tool: cannot write %s\n", options.out.c_str());
        return 1;
    }
    return 0;
}

}  // namespace altostrat::tool
