#include "linux_program/wayland/output_covers.h"

#include <wayland-client.h>

#include <algorithm>
#include <cstdio>

#include "flight/gl/gl_headers.h"
#include "linux_program/run/stop_signals.h"
#include "linux_program/wayland/egl_outputs.h"
#include "linux_program/wayland/layer_surfaces.h"
#include "linux_program/wayland/wait/display_wait.h"
#include "linux_program/wayland/wayland_registry.h"

namespace altostrat {
namespace {

// OUTPUT black at once, so that nothing of the desktop shows while the flight is set up, and
// the compositor maps the surface and hands it the keyboard.
void PresentBlack(WaylandScreen& screen, CoveredOutput& output) {
    if (!DrawOnOutput(screen, output)) {
        return;
    }
    glViewport(0, 0, output.bufferWidth, output.bufferHeight);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    AskFrame(output, NowMs());
    PresentOutput(screen, output);
}

}  // namespace

bool TendOutputs(WaylandScreen& screen) {
    const bool closedAny =
        std::any_of(screen.outputs.begin(), screen.outputs.end(),
                    [](const std::unique_ptr<CoveredOutput>& o) { return o->closed && !o->gone; });
    if (closedAny && CompositorLost(Roundtrip({screen.display, nullptr, StopDescriptor()},
                                              NowMs() + kCompositorAnswerMs))) {
        // Whether its output is going too comes with the same dispatch of the compositor's.
        screen.broken = true;
        return false;
    }
    for (auto& o : screen.outputs) {
        if (o->closed && !o->gone) {
            return false;
        }
    }
    if (!screen.outputsChanged) {
        return true;
    }
    screen.outputsChanged = false;
    for (auto it = screen.outputs.begin(); it != screen.outputs.end();) {
        CoveredOutput& o = **it;
        if (!o.gone) {
            ++it;
            continue;
        }
        UncoverOutput(screen, o);
        if (screen.input.pointerOutput == &o) {
            screen.input.pointerOutput = nullptr;
        }
        if (screen.input.keyboardOutput == &o) {
            screen.input.keyboardOutput = nullptr;
        }
        ReleaseOutput(o);
        it = screen.outputs.erase(it);
    }
    for (auto& o : screen.outputs) {
        if (o->surface == nullptr && OutputInUse(*o)) {
            CoverOutput(screen, *o);
        }
    }
    return true;
}

bool PrepareOutputSurfaces(WaylandScreen& screen) {
    for (auto& o : screen.outputs) {
        if (o->surface == nullptr || !o->configured || o->closed) {
            continue;
        }
        const bool fresh = o->eglSurface == EGL_NO_SURFACE;
        if (o->resized || fresh) {
            SizeOutputBuffer(*o);
            if (!FitOutputSurface(screen, *o)) {
                std::fprintf(stderr, "altostrat: no EGL surface for an output\n");
                return false;
            }
        }
        if (fresh) {
            PresentBlack(screen, *o);
        }
    }
    return true;
}

bool CoverOutputs(WaylandScreen& screen) {
    screen.outputsChanged = true;
    TendOutputs(screen);
    for (int i = 0; i < 2; ++i) {
        if (CompositorLost(Roundtrip({screen.display, nullptr, StopDescriptor()},
                                     NowMs() + kCompositorAnswerMs))) {
            screen.broken = true;
            return false;
        }
    }
    if (!PrepareOutputSurfaces(screen)) {
        return false;
    }
    // The keyboard's enter, for the lead.
    if (CompositorLost(Roundtrip({screen.display, nullptr, StopDescriptor()},
                                 NowMs() + kCompositorAnswerMs))) {
        screen.broken = true;
        return false;
    }
    return true;
}

OutputFrame OutputFrameOf(const CoveredOutput& o) {
    OutputFrame f;
    f.drawable =
        o.eglSurface != EGL_NO_SURFACE && o.configured && !o.closed && !o.gone && !o.poweredOff;
    f.waiting = o.frame != nullptr;
    f.waitingSinceMs = o.frameAskedMs;
    return f;
}

std::vector<OutputFrame> OutputFrames(const WaylandScreen& screen) {
    std::vector<OutputFrame> frames;
    for (const auto& o : screen.outputs) {
        frames.push_back(OutputFrameOf(*o));
    }
    return frames;
}

}  // namespace altostrat
