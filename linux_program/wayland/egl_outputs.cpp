#include "linux_program/wayland/egl_outputs.h"

#include <EGL/eglext.h>
#include <wayland-client.h>
#include <wayland-egl.h>

#include <cstdio>

namespace altostrat {
namespace {

// The flight's frame: colour with depth, as the GLX path asks for.
bool ChooseConfig(WaylandEgl& egl) {
    const EGLint attributes[] = {EGL_SURFACE_TYPE,
                                 EGL_WINDOW_BIT,
                                 EGL_RENDERABLE_TYPE,
                                 EGL_OPENGL_BIT,
                                 EGL_RED_SIZE,
                                 8,
                                 EGL_GREEN_SIZE,
                                 8,
                                 EGL_BLUE_SIZE,
                                 8,
                                 EGL_DEPTH_SIZE,
                                 16,
                                 EGL_NONE};
    EGLint count = 0;
    return eglChooseConfig(egl.display, attributes, &egl.config, 1, &count) == EGL_TRUE &&
           count > 0;
}

EGLDisplay WaylandEglDisplay(wl_display* display) {
    const auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (getPlatformDisplay != nullptr) {
        return getPlatformDisplay(EGL_PLATFORM_WAYLAND_KHR, display, nullptr);
    }
    return eglGetDisplay(reinterpret_cast<EGLNativeDisplayType>(display));
}

}  // namespace

bool OpenEgl(WaylandScreen& screen) {
    WaylandEgl& egl = screen.egl;
    egl.display = WaylandEglDisplay(screen.display);
    if (egl.display == EGL_NO_DISPLAY || eglInitialize(egl.display, nullptr, nullptr) != EGL_TRUE) {
        std::fprintf(stderr, "altostrat: no EGL on this Wayland desktop\n");
        egl.display = EGL_NO_DISPLAY;
        return false;
    }
    if (eglBindAPI(EGL_OPENGL_API) != EGL_TRUE || !ChooseConfig(egl)) {
        std::fprintf(stderr, "altostrat: EGL offers no desktop OpenGL for a window here\n");
        return false;
    }
    egl.context = eglCreateContext(egl.display, egl.config, EGL_NO_CONTEXT, nullptr);
    if (egl.context == EGL_NO_CONTEXT) {
        std::fprintf(stderr, "altostrat: EGL cannot make an OpenGL context (0x%x)\n",
                     static_cast<unsigned>(eglGetError()));
        return false;
    }
    return true;
}

bool FitOutputSurface(WaylandScreen& screen, CoveredOutput& output) {
    WaylandEgl& egl = screen.egl;
    if (output.eglWindow != nullptr) {
        wl_egl_window_resize(output.eglWindow, output.bufferWidth, output.bufferHeight, 0, 0);
        return true;
    }
    output.eglWindow =
        wl_egl_window_create(output.surface, output.bufferWidth, output.bufferHeight);
    if (output.eglWindow == nullptr) {
        return false;
    }
    output.eglSurface = eglCreateWindowSurface(
        egl.display, egl.config, reinterpret_cast<EGLNativeWindowType>(output.eglWindow), nullptr);
    if (output.eglSurface == EGL_NO_SURFACE) {
        wl_egl_window_destroy(output.eglWindow);
        output.eglWindow = nullptr;
        return false;
    }
    // The frame loop paces itself by each surface's frame callbacks.
    if (eglMakeCurrent(egl.display, output.eglSurface, output.eglSurface, egl.context) ==
        EGL_TRUE) {
        eglSwapInterval(egl.display, 0);
    }
    return true;
}

bool DrawOnOutput(const WaylandScreen& screen, const CoveredOutput& output) {
    return output.eglSurface != EGL_NO_SURFACE &&
           eglMakeCurrent(screen.egl.display, output.eglSurface, output.eglSurface,
                          screen.egl.context) == EGL_TRUE;
}

void PresentOutput(const WaylandScreen& screen, const CoveredOutput& output) {
    eglSwapBuffers(screen.egl.display, output.eglSurface);
}

void ForgetOutputSurface(WaylandScreen& screen, CoveredOutput& output) {
    WaylandEgl& egl = screen.egl;
    if (output.eglSurface != EGL_NO_SURFACE) {
        if (eglGetCurrentSurface(EGL_DRAW) == output.eglSurface) {
            eglMakeCurrent(egl.display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        }
        eglDestroySurface(egl.display, output.eglSurface);
        output.eglSurface = EGL_NO_SURFACE;
    }
    if (output.eglWindow != nullptr) {
        wl_egl_window_destroy(output.eglWindow);
        output.eglWindow = nullptr;
    }
}

void CloseEgl(WaylandScreen& screen) {
    WaylandEgl& egl = screen.egl;
    if (egl.display == EGL_NO_DISPLAY) {
        return;
    }
    eglMakeCurrent(egl.display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (egl.context != EGL_NO_CONTEXT) {
        eglDestroyContext(egl.display, egl.context);
    }
    eglTerminate(egl.display);
    egl = WaylandEgl{};
}

void* EglProcAddress(const char* name) {
    return reinterpret_cast<void*>(eglGetProcAddress(name));
}

}  // namespace altostrat
