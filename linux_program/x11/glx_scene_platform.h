#pragma once

#include <X11/Xlib.h>

#include "flight/scene/scene_platform.h"

namespace altostrat {

// The scene's platform on X11: this machine's steady clock and sleep, glXSwapBuffers on the
// flight's window, glXGetProcAddressARB, and picture errors on stderr (a hack has no one to
// show a box to); presenting in step with the refresh through GLX_EXT_swap_control or
// GLX_MESA_swap_control, the refresh rate where GLX_OML_sync_control tells it, and battery
// power as the kernel's power supply class tells it.
ScenePlatform MakeGlxScenePlatform(Display* display, Window window, bool framePeriodWait);

}  // namespace altostrat
