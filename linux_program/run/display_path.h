#pragma once
// Which display system the program flies on. As an xscreensaver hack (its window, --root,
// --window-id) it draws into the X window it is given, whatever the desktop. Standalone on a
// Wayland desktop (WAYLAND_DISPLAY set) it flies natively when the compositor offers wlroots'
// layer shell (sway, Hyprland, KDE Plasma): only a layer surface can cover every output above
// full-screen windows, and only there can the desktop be photographed. Elsewhere (GNOME's
// Mutter offers no layer shell; or "--x11") it flies in a full-screen XWayland window as on any
// X desktop, and says once why, as that window covers one output, is not above everything and
// shows no photograph of the desktop.

#include "linux_program/options/hack_options.h"

namespace altostrat {

enum class DisplayPath {
    kX11,       // an X desktop, or a window given by xscreensaver
    kXWayland,  // standalone on a Wayland desktop, through its X server
    kWayland,   // standalone, natively: a layer surface per output
};

// What the compositor WAYLAND_DISPLAY names offers, when asked.
enum class WaylandOffer { kNotAsked, kUnreachable, kNoLayerShell, kLayerShell };

// Whether the compositor has to be asked before the path can be chosen.
bool AsksCompositor(const HackOptions& options, bool waylandDisplaySet);

struct DisplayPathChoice {
    DisplayPath path = DisplayPath::kX11;
    const char* reason = nullptr;  // why not natively on Wayland: said once; null: nothing to say
};

DisplayPathChoice ChooseDisplayPath(const HackOptions& options, bool waylandDisplaySet,
                                    WaylandOffer offer);

}  // namespace altostrat
