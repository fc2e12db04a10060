#pragma once
// The compositor's globals as the flight binds them, and its outputs as they come and go. An
// output is only covered once its first description is complete (wl_output's done, after
// xdg-output's logical position and size), so a surface is never made for a half-known one.

#include "linux_program/wayland/wayland_screen.h"

namespace altostrat {

// Whether the compositor on DISPLAY offers wlroots' layer shell: the test for the Wayland
// path. False also when the connection fails.
bool OffersLayerShell(wl_display* display);

// Binds the globals the flight uses and waits until every output present is described. False
// when the connection failed or the compositor has no compositor or layer shell global.
bool BindWaylandGlobals(WaylandScreen& screen);

// Destroys every output's protocol objects and the globals (not the outputs' surfaces: those
// go first, layer_surfaces.h).
void ReleaseWaylandGlobals(WaylandScreen& screen);

// Destroys OUTPUT's wl_output and xdg-output (its surface must be gone already).
void ReleaseOutput(CoveredOutput& output);

// The outputs that are described and still there, with a logical rectangle that is not empty.
bool OutputInUse(const CoveredOutput& output);

}  // namespace altostrat
