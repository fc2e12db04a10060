#pragma once
// Which display system the program flies on. As an xscreensaver hack (its window, --root,
// --window-id) it draws into the X window it is given, whatever the desktop. Standalone on a
// Wayland desktop (WAYLAND_DISPLAY set) it flies natively when the compositor offers wlroots'
// layer shell (sway, Hyprland, KDE Plasma): only a layer surface can cover every output above
// full-screen windows, and only there can the desktop be photographed. Elsewhere (GNOME's
// Mutter offers no layer shell; or "--x11") it flies in a full-screen XWayland window as on any
// X desktop, and says once why, as that window is not above everything and shows no photograph
// of the desktop (it spans every monitor only where the window manager lets it, as GNOME's does).
//
// "--idle SECONDS" needs someone to say when the user is away. Natively on Wayland the
// compositor does (ext-idle-notify). On GNOME, whose Mutter offers no layer shell, its idle
// monitor does, on the session bus: the program is GNOME's client there by that name being owned
// (org.gnome.Mutter.IdleMonitor), which holds on Wayland and in GNOME's X11 session alike.
// XDG_CURRENT_DESKTOP naming GNOME is only a hint: it changes what a refusal says, never the
// way, since a desktop may name itself anything and another may own the name.

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

// What the session bus says of GNOME's idle monitor, when asked.
enum class GnomeIdleMonitor { kNotAsked, kAbsent, kOwned };

// Whether the session bus has to be asked before --idle's way can be chosen on PATH.
bool AsksGnomeIdleMonitor(const HackOptions& options, DisplayPath path);

enum class IdleWay {
    kNone,     // no --idle: one flight
    kWayland,  // the compositor's ext-idle-notify (wayland/idle/idle_loop.h)
    kGnome,    // GNOME's idle monitor (gnome/idle/gnome_idle_loop.h)
    kRefused,  // nobody here says when the user is away: the refusal is said, exit code 2
};

struct IdleChoice {
    IdleWay way = IdleWay::kNone;
    const char* refusal = nullptr;  // with kRefused: what to use instead
};

// DESKTOP_SAYS_GNOME: XDG_CURRENT_DESKTOP names GNOME among its desktops.
IdleChoice ChooseIdleWay(const HackOptions& options, DisplayPath path, GnomeIdleMonitor monitor,
                         bool desktopSaysGnome);

// Whether XDG_CURRENT_DESKTOP (a colon-separated list; null when unset) names GNOME.
bool DesktopSaysGnome(const char* currentDesktop);

}  // namespace altostrat
