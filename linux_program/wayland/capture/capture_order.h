#pragma once
// Which way of photographing the desktop to try, from what the compositor offers. The image copy
// capture protocol is the common one that compositors adopt now; wlroots' screen copy is what
// sway, Hyprland and the other wlroots desktops of today offer; KWin offers neither, but
// photographs its screens for a program it trusts through its D-Bus ScreenShot2 interface. That
// one is asked only of a compositor that is KWin (it offers KDE's own protocols), so that no
// other desktop's session bus is asked for a service it never has. Each way is tried in turn
// until one photographs an output; with none, the flight goes over the user's picture or the
// program's own ground, and the reason says why in one line.

#include <string>
#include <vector>

namespace altostrat {

enum class CaptureSource { kNone, kImageCopyCapture, kScreencopy, kKWinScreenShot };

struct CaptureOffers {
    bool imageCopyCapture = false;     // ext_image_copy_capture_manager_v1
    bool outputCaptureSource = false;  // ext_output_image_capture_source_manager_v1
    bool screencopy = false;           // zwlr_screencopy_manager_v1
    bool shm = false;                  // wl_shm, into which the Wayland ways copy
    bool kde = false;                  // a global of KDE's own (org_kde_kwin_*, kde_*)
    bool sessionBus = false;           // a D-Bus session bus to ask
    int outputs = 0;                   // wl_outputs with a place in the layout
};

// Whether a global's interface name is one of KDE's own.
bool IsKdeGlobal(const std::string& interface);

// The ways to try, best first; none when nothing can photograph the outputs.
std::vector<CaptureSource> CaptureOrder(const CaptureOffers& offers);

// Why there is no photograph when CaptureOrder gives none, in a few words.
std::string NoCaptureReason(const CaptureOffers& offers);

// The source's name for messages: "ext-image-copy-capture", "wlr-screencopy", "KWin ScreenShot2".
const char* CaptureSourceName(CaptureSource source);

}  // namespace altostrat
