#pragma once
// "--fps": the frame rate measured over each second, drawn in the picture's corner, as
// xscreensaver's own hacks show theirs with "Show frame rate". It is not printed: a hack's
// output goes to the session's log, which a line a second would fill.

#include <chrono>
#include <cstdio>
#include <string>

namespace altostrat {

struct FpsMeter {
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    int frames = 0;
    std::string text = "FPS: ...";  // what the corner shows; the first figure after a second
};

inline void CountFrame(FpsMeter& meter) {
    ++meter.frames;
    const auto now = std::chrono::steady_clock::now();
    const double seconds = std::chrono::duration<double>(now - meter.start).count();
    if (seconds >= 1.0) {
        const double rate = meter.frames / seconds;
        char text[32];
        std::snprintf(text, sizeof text, "FPS: %.1f", rate);
        meter.text = text;
        meter.frames = 0;
        meter.start = now;
    }
}

}  // namespace altostrat
