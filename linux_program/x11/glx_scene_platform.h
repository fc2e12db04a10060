#pragma once

#include <X11/Xlib.h>

#include "flight/scene/scene_platform.h"

namespace altostrat {

// The scene's platform on X11: the Linux program's own (run/linux_scene_platform.h) with
// glXSwapBuffers on the flight's window, glXGetProcAddressARB, presenting in step with the
// refresh through GLX_EXT_swap_control or GLX_MESA_swap_control, and the refresh rate where
// GLX_OML_sync_control tells it.
ScenePlatform MakeGlxScenePlatform(Display* display, Window window, bool framePeriodWait);

}  // namespace altostrat
