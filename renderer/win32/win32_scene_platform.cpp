#include "win32_scene_platform.h"

#include <mmsystem.h>

namespace altostrat {

ScenePlatform MakeWin32ScenePlatform(HDC mainDC) {
    ScenePlatform platform;
    platform.clock.queryFrequency = [](std::uint64_t& frequency) {
        LARGE_INTEGER f;
        if (!QueryPerformanceFrequency(&f) || f.QuadPart <= 0) {
            return false;
        }
        frequency = static_cast<std::uint64_t>(f.QuadPart);
        return true;
    };
    platform.clock.queryCounter = [] {
        LARGE_INTEGER c;
        QueryPerformanceCounter(&c);
        return static_cast<std::int64_t>(c.QuadPart);
    };
    platform.clock.millisecondClock = [] { return static_cast<std::uint32_t>(timeGetTime()); };
    platform.clock.sleep = [](unsigned milliseconds) { Sleep(milliseconds); };
    platform.swapBuffers = [mainDC] { SwapBuffers(mainDC); };
    platform.getProcAddress = [](const char* name) {
        return reinterpret_cast<void*>(wglGetProcAddress(name));
    };
    return platform;
}

}  // namespace altostrat
