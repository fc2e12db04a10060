#pragma once
// The scene's platform as every display path of the Linux program has it: this machine's steady
// clock and sleep, local time for the sky, battery power as the kernel's power supply class
// tells it, and picture errors on stderr (a hack has no one to show a box to). Each path adds
// presenting, its extension entry points, the refresh and when to stop.

#include "flight/scene/scene_platform.h"

namespace altostrat {

ScenePlatform LinuxScenePlatform(bool framePeriodWait);

}  // namespace altostrat
