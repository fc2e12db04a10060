#include "linux_program/x11/glx_scene_platform.h"

#include <GL/glx.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "flight/gl/extension_probe.h"
#include "linux_program/run/linux_scene_platform.h"

namespace altostrat {
namespace {

using SwapIntervalExtProc = void (*)(Display* display, GLXDrawable drawable, int interval);
using SwapIntervalMesaProc = int (*)(unsigned int interval);
using GetMscRateOmlProc = Bool (*)(Display* display, GLXDrawable drawable, std::int32_t* numerator,
                                   std::int32_t* denominator);

void* GlxProcAddress(const char* name) {
    return reinterpret_cast<void*>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

bool Lists(Display* display, const char* name) {
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    std::string list = extensions != nullptr ? extensions : "";
    std::replace(list.begin(), list.end(), ' ', '\n');
    return HasExtension(list, name);
}

// A swap interval of 1 for the flight's window, through whichever of the two extensions the
// server and driver offer.
bool PresentWithRefresh(Display* display, Window window) {
    if (Lists(display, "GLX_EXT_swap_control")) {
        if (const auto swapInterval =
                reinterpret_cast<SwapIntervalExtProc>(GlxProcAddress("glXSwapIntervalEXT"))) {
            swapInterval(display, window, 1);
            return true;
        }
    }
    if (Lists(display, "GLX_MESA_swap_control")) {
        if (const auto swapInterval =
                reinterpret_cast<SwapIntervalMesaProc>(GlxProcAddress("glXSwapIntervalMESA"))) {
            return swapInterval(1) == 0;
        }
    }
    return false;
}

// The refresh rate where GLX_OML_sync_control tells it; 0 elsewhere.
double RefreshRate(Display* display, Window window) {
    if (!Lists(display, "GLX_OML_sync_control")) {
        return 0.0;
    }
    const auto mscRate = reinterpret_cast<GetMscRateOmlProc>(GlxProcAddress("glXGetMscRateOML"));
    std::int32_t numerator = 0, denominator = 0;
    if (mscRate == nullptr || !mscRate(display, window, &numerator, &denominator) ||
        numerator <= 0 || denominator <= 0) {
        return 0.0;
    }
    return static_cast<double>(numerator) / static_cast<double>(denominator);
}

}  // namespace

ScenePlatform MakeGlxScenePlatform(Display* display, Window window, bool framePeriodWait) {
    ScenePlatform platform = LinuxScenePlatform(framePeriodWait);
    platform.swapBuffers = [display, window] { glXSwapBuffers(display, window); };
    platform.getProcAddress = GlxProcAddress;
    platform.presentWithRefresh = [display, window] { return PresentWithRefresh(display, window); };
    platform.refreshRate = [display, window] { return RefreshRate(display, window); };
    return platform;
}

}  // namespace altostrat
