#pragma once
// The command line of the Linux program. With no arguments it is a program of its own: it
// photographs the root window and flies full screen until Escape. As an xscreensaver hack it
// follows xscreensaver's conventions for hacks: "--root" draws on the root window,
// "--window-id ID" (decimal or 0x hex) on a given window, and XSCREENSAVER_WINDOW, which
// xscreensaver sets for the hacks it starts, names its own window, which stands in for the
// root window: with the variable set, "--root" (the command xscreensaver's settings give) and
// no option at all both draw there. "--window-id" wins over the variable. Either dash form
// ("-root", "--root") is taken, as xscreensaver's own hacks do.
//
// The paper glider the camera chases is shown unless "--no-aircraft" is given; xscreensaver's
// settings give that option when its check box is cleared. The sky's light follows the local
// time of day with "--sky-follows-clock", which its other check box gives when ticked, and
// "--clock" shows the local time in a corner, as its clock's check box gives.
// "--picture FILE|FOLDER" flies over that picture (from a folder, one at random) instead of
// the desktop; its file chooser gives it. "--each-monitor" flies a flight of its own on each
// monitor the window covers; its third check box gives it.
//
// On a Wayland desktop the program flies natively where the compositor lets it cover every
// output (run/display_path.h); "--x11" keeps it in an XWayland window instead. "--idle SECONDS"
// stays resident there and flies each time the desktop has been idle that long.
//
// "--add-to-xscreensaver" and "--remove-from-xscreensaver" do not fly: they put the hack into
// the current user's xscreensaver list, or take it out, and end. "--help" (also "-h") and
// "--version" print the usage or the version on standard output and end, wherever they stand
// among the other words.

#include <cstdint>
#include <string>
#include <vector>

namespace altostrat {

enum class FlightTarget { kStandalone, kRootWindow, kGivenWindow };

enum class ProgramAction { kFly, kAddToXscreensaver, kRemoveFromXscreensaver, kHelp, kVersion };

struct HackOptions {
    ProgramAction action = ProgramAction::kFly;
    FlightTarget target = FlightTarget::kStandalone;
    std::uint64_t windowId = 0;  // kGivenWindow only
    bool printFps = false;
    bool showAircraft = true;      // "--no-aircraft" hides the glider
    bool skyFollowsClock = false;  // "--sky-follows-clock": dawn, day, dusk and night by the clock
    bool clock = false;            // "--clock": the local time in the LC_TIME format
    bool eachMonitor = false;      // "--each-monitor": each monitor its own flight
    bool framePeriodWait = true;   // "--no-frame-wait" turns it off, for speed measurements
    bool x11 = false;              // "--x11": through XWayland even where Wayland would serve
    int idleSeconds = 0;           // "--idle SECONDS": resident, flying when idle; 0: not asked
    std::string picture;           // "--picture": a JPEG or PNG file, or a folder of them
    std::string error;             // not empty: the command line is refused, with this reason
};

// Reads a window id as xscreensaver writes it: decimal, or hexadecimal after 0x/0X. False for
// anything else (empty, signs, trailing characters, 0, or beyond 32 bits: X ids are 29 bits).
bool ParseWindowId(const std::string& text, std::uint64_t& id);

// Reads the seconds of "--idle": decimal digits only, 1 to kMostIdleSeconds.
constexpr int kMostIdleSeconds = 86400;
bool ParseIdleSeconds(const std::string& text, int& seconds);

// arguments excludes the program name; windowVariable is XSCREENSAVER_WINDOW's value, or null
// when it is not set.
HackOptions ParseHackOptions(const std::vector<std::string>& arguments, const char* windowVariable);

// The short usage for the error message.
const char* HackUsage();
// The whole usage "--help" prints: every option on a line of its own, with what it does.
const char* HackHelp();

}  // namespace altostrat
