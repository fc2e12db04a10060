#pragma once
// "--fps": the frame rate measured over each second, written to stderr as xscreensaver's own
// hacks report theirs when asked.

#include <chrono>
#include <cstdio>

namespace altostrat {

struct FpsMeter {
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    int frames = 0;
};

inline void CountFrame(FpsMeter& meter) {
    ++meter.frames;
    const auto now = std::chrono::steady_clock::now();
    const double seconds = std::chrono::duration<double>(now - meter.start).count();
    if (seconds >= 1.0) {
        std::fprintf(stderr, "altostrat: %.1f fps\n", meter.frames / seconds);
        meter.frames = 0;
        meter.start = now;
    }
}

}  // namespace altostrat
