#pragma once

#include <windows.h>

#include "flight/scene/scene_platform.h"

namespace altostrat {

// The scene's platform on Windows: the performance counter with the millisecond clock as its
// fallback, Sleep, SwapBuffers on the window's device context and wglGetProcAddress; presenting
// in step with the refresh through WGL_EXT_swap_control, the refresh rate the device context
// reports, battery power as GetSystemPowerStatus reports it, and the user's time format for the
// clock.
ScenePlatform MakeWin32ScenePlatform(HDC mainDC);

}  // namespace altostrat
