#include "renderer/win32/win32_scene_platform.h"

#include <mmsystem.h>

#include <cstdint>

#include "renderer/win32/error_message_box.h"

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
    platform.getProcAddress = [](const char* name) -> void* {
        // Some drivers answer an unknown name with a small number or -1 instead of null.
        PROC proc = wglGetProcAddress(name);
        const auto value = reinterpret_cast<std::intptr_t>(proc);
        if (value >= -1 && value <= 3) {
            return nullptr;
        }
        return reinterpret_cast<void*>(proc);
    };
    platform.showError = ShowErrorMessageBox;
    platform.localMinutes = [] {
        SYSTEMTIME local;
        GetLocalTime(&local);
        return local.wHour * 60.0 + local.wMinute + local.wSecond / 60.0;
    };
    return platform;
}

}  // namespace altostrat
