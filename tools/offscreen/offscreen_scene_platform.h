#pragma once

#include "flight/scene/scene_platform.h"

namespace altostrat {

// The scene's platform for drawing offscreen: this machine's clock, nothing to present, Mesa's
// entry points, and no frame-period wait. Picture errors go to showError.
ScenePlatform OffscreenScenePlatform(DibErrorReport showError);

}  // namespace altostrat
