#include "renderer/win32/win32_scene_platform.h"

#include <mmsystem.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "common/win32/user_clock_format.h"
#include "flight/gl/extension_probe.h"
#include "flight/gl/gl_headers.h"
#include "renderer/win32/error_message_box.h"
#include "renderer/win32/power_source.h"

namespace altostrat {
namespace {

using SwapIntervalProc = BOOL(WINAPI*)(int interval);
using ExtensionsStringArbProc = const char*(WINAPI*)(HDC dc);
using ExtensionsStringExtProc = const char*(WINAPI*)();

void* WglProcAddress(const char* name) {
    // Some drivers answer an unknown name with a small number or -1 instead of null.
    PROC proc = wglGetProcAddress(name);
    const auto value = reinterpret_cast<std::intptr_t>(proc);
    if (value >= -1 && value <= 3) {
        return nullptr;
    }
    return reinterpret_cast<void*>(proc);
}

bool Lists(const char* extensions, const char* name) {
    std::string list = extensions != nullptr ? extensions : "";
    std::replace(list.begin(), list.end(), ' ', '\n');
    return HasExtension(list, name);
}

// WGL's own extensions are listed by wglGetExtensionsStringARB or EXT; drivers older than both
// list them among OpenGL's.
bool OffersSwapControl(HDC dc) {
    constexpr char kName[] = "WGL_EXT_swap_control";
    if (const auto arb = reinterpret_cast<ExtensionsStringArbProc>(
            WglProcAddress("wglGetExtensionsStringARB"))) {
        if (Lists(arb(dc), kName)) {
            return true;
        }
    }
    if (const auto ext = reinterpret_cast<ExtensionsStringExtProc>(
            WglProcAddress("wglGetExtensionsStringEXT"))) {
        if (Lists(ext(), kName)) {
            return true;
        }
    }
    return Lists(reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)), kName);
}

// A swap interval of 1: SwapBuffers presents at the next refresh.
bool PresentWithRefresh(HDC dc) {
    if (!OffersSwapControl(dc)) {
        return false;
    }
    const auto swapInterval =
        reinterpret_cast<SwapIntervalProc>(WglProcAddress("wglSwapIntervalEXT"));
    return swapInterval != nullptr && swapInterval(1) != FALSE;
}

}  // namespace

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
    platform.getProcAddress = WglProcAddress;
    platform.showError = ShowErrorMessageBox;
    platform.presentWithRefresh = [mainDC] { return PresentWithRefresh(mainDC); };
    // 0 and 1 stand for the hardware's default rate, which the system does not tell.
    platform.refreshRate = [mainDC] {
        const int hz = GetDeviceCaps(mainDC, VREFRESH);
        return hz > 1 ? static_cast<double>(hz) : 0.0;
    };
    platform.onBattery = SystemOnBattery;
    platform.localMinutes = [] {
        SYSTEMTIME local;
        GetLocalTime(&local);
        return local.wHour * 60.0 + local.wMinute + local.wSecond / 60.0;
    };
    platform.clockFormat = UserClockFormat;
    return platform;
}

}  // namespace altostrat
