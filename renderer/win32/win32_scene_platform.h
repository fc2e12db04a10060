#pragma once

#include <windows.h>

#include "renderer/scene/scene_platform.h"

namespace altostrat {

// The scene's platform on Windows: the performance counter with the millisecond clock as its
// fallback, Sleep, SwapBuffers on the window's device context and wglGetProcAddress.
ScenePlatform MakeWin32ScenePlatform(HDC mainDC);

}  // namespace altostrat
