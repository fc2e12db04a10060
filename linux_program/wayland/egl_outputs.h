#pragma once
// One EGL context for the whole flight, desktop OpenGL (the compatibility profile the flight's
// fixed-function drawing needs, as Mesa gives it through EGL_OPENGL_API), and a window surface
// per output made current in turn: the textures, the terrain and the display lists live once in
// the context and serve every output. Presenting never waits inside EGL (a swap interval of 0):
// the frame loop follows each surface's frame callbacks itself (output_frames.h), so an
// output the compositor turned off can never hold the others, nor the keyboard, up.

#include "linux_program/wayland/wayland_screen.h"

namespace altostrat {

// The EGL display on the compositor's connection and the context. False, with a line on
// stderr, when either cannot be had.
bool OpenEgl(WaylandScreen& screen);

// OUTPUT's EGL window surface at its buffer size, made afresh or resized. False when it cannot
// be made.
bool FitOutputSurface(WaylandScreen& screen, CoveredOutput& output);

// Makes OUTPUT's surface current for drawing. False when it has none or EGL refuses.
bool DrawOnOutput(const WaylandScreen& screen, const CoveredOutput& output);

// Presents what was drawn on OUTPUT's surface (which must be current).
void PresentOutput(const WaylandScreen& screen, const CoveredOutput& output);

// Destroys OUTPUT's EGL surface and window.
void ForgetOutputSurface(WaylandScreen& screen, CoveredOutput& output);

// Releases the context and the display, once every output's surface is gone.
void CloseEgl(WaylandScreen& screen);

// OpenGL extension entry points.
void* EglProcAddress(const char* name);

}  // namespace altostrat
