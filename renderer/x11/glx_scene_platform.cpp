#include "renderer/x11/glx_scene_platform.h"

#include <GL/glx.h>

#include <cstdio>
#include <ctime>

namespace altostrat {

ScenePlatform MakeGlxScenePlatform(Display* display, Window window, bool framePeriodWait) {
    ScenePlatform platform;
    platform.clock = SystemClockSource();
    platform.swapBuffers = [display, window] { glXSwapBuffers(display, window); };
    platform.getProcAddress = [](const char* name) {
        return reinterpret_cast<void*>(
            glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
    };
    platform.showError = [](const std::string& text) {
        std::fprintf(stderr, "altostrat: %s\n", text.c_str());
    };
    platform.waitForFramePeriod = framePeriodWait;
    platform.localMinutes = [] {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return local.tm_hour * 60.0 + local.tm_min + local.tm_sec / 60.0;
    };
    return platform;
}

}  // namespace altostrat
