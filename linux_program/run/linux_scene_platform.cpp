#include "linux_program/run/linux_scene_platform.h"

#include <cstdio>
#include <string>

#include "flight/sky/local_time.h"
#include "linux_program/run/power_supply.h"

namespace altostrat {

ScenePlatform LinuxScenePlatform(bool framePeriodWait) {
    ScenePlatform platform;
    platform.clock = SystemClockSource();
    platform.showError = [](const std::string& text) {
        std::fprintf(stderr, "altostrat: %s\n", text.c_str());
    };
    platform.waitForFramePeriod = framePeriodWait;
    platform.localMinutes = SystemLocalMinutes;
    platform.onBattery = [] { return OnBatteryPower(kPowerSupplyRoot); };
    return platform;
}

}  // namespace altostrat
