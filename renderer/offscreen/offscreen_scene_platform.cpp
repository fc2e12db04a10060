#include "renderer/offscreen/offscreen_scene_platform.h"

#include <GL/osmesa.h>

#include <ctime>
#include <utility>

namespace altostrat {

ScenePlatform OffscreenScenePlatform(DibErrorReport showError) {
    ScenePlatform platform;
    platform.clock = SystemClockSource();
    platform.swapBuffers = [] {};
    platform.getProcAddress = [](const char* name) {
        return reinterpret_cast<void*>(OSMesaGetProcAddress(name));
    };
    platform.showError = std::move(showError);
    platform.waitForFramePeriod = false;
    platform.localMinutes = [] {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return local.tm_hour * 60.0 + local.tm_min + local.tm_sec / 60.0;
    };
    return platform;
}

}  // namespace altostrat
