#pragma once
// One output as the compositor describes it, the one description the flight and the photograph
// both read: wl_output's name, position, mode, scale and transform, and xdg-output's place in
// the logical layout. A description is complete at wl_output's done, which from xdg-output's
// version 3 on also closes xdg-output's events. The logical rectangle is xdg-output's once it
// has told a size; a compositor without xdg-output gets wl_output's position and the mode turned
// upright over the scale (output_transform.h), so a turned output stands in the layout as it
// does on the screen, for the surface that covers it as for its photograph.
//
// The listeners hold the description's address: it must stay where it is (each is held by a
// unique_ptr) until ReleaseWaylandOutput.

#include <cstdint>
#include <functional>
#include <string>

#include "common/screen_rect.h"
#include "linux_program/wayland/output/output_transform.h"

struct wl_output;
struct wl_registry;
struct zxdg_output_manager_v1;
struct zxdg_output_v1;

namespace altostrat {

struct WaylandOutput {
    wl_output* output = nullptr;
    zxdg_output_v1* xdgOutput = nullptr;
    std::uint32_t globalName = 0;  // the registry's name of the output global
    std::string name;  // the connector's, as KWin names its screens ("DP-1"); may stay empty
    int x = 0;         // wl_output's own position
    int y = 0;
    int transform = kTransformNormal;
    int modeWidth = 0;  // the current mode, in the buffer's orientation
    int modeHeight = 0;
    int refreshMilliHz = 0;
    int scale = 1;
    ScreenRect xdgLogical;  // xdg-output's rectangle, used once xdgSized
    bool xdgSized = false;
    bool described = false;  // the first description is complete
    // Told at the end of each complete description, FIRST for the first; may be empty.
    std::function<void(bool first)> onDescribed;
};

// Binds the wl_output global NAME (at most version 4) of REGISTRY, whose queue it takes, and
// listens for OUTPUT's description.
void DescribeOutput(WaylandOutput& output, wl_registry* registry, std::uint32_t name,
                    std::uint32_t version);

// Asks MANAGER's xdg-output for OUTPUT's logical place; nothing once asked, or for a null MANAGER.
void DescribeLogicalPlace(WaylandOutput& output, zxdg_output_manager_v1* manager);

// Destroys the xdg-output and the wl_output (released where its version allows).
void ReleaseWaylandOutput(WaylandOutput& output);

// Where OUTPUT lies in the compositor's logical layout; empty before its mode is known.
ScreenRect LogicalRect(const WaylandOutput& output);

}  // namespace altostrat
