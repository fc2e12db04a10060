#include "tools/offscreen/offscreen_scene_platform.h"

#include <GL/osmesa.h>

#include <utility>

#include "flight/sky/local_time.h"

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
    platform.localMinutes = SystemLocalMinutes;
    return platform;
}

}  // namespace altostrat
