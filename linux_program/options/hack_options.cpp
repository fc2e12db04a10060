#include "linux_program/options/hack_options.h"

namespace altostrat {
namespace {

// "-root" and "--root" are the same option.
std::string OptionName(const std::string& argument) {
    if (argument.rfind("--", 0) == 0) {
        return argument.substr(2);
    }
    if (argument.rfind("-", 0) == 0) {
        return argument.substr(1);
    }
    return std::string();
}

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < base ? value : -1;
}

}  // namespace

bool ParseWindowId(const std::string& text, std::uint64_t& id) {
    int base = 10;
    std::size_t start = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        start = 2;
    }
    if (start >= text.size()) {
        return false;
    }
    std::uint64_t value = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0) {
            return false;
        }
        value = value * base + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFu) {
            return false;
        }
    }
    if (value == 0) {
        return false;
    }
    id = value;
    return true;
}

bool ParseIdleSeconds(const std::string& text, int& seconds) {
    if (text.empty() || text.size() > 5) {
        return false;
    }
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > kMostIdleSeconds) {
        return false;
    }
    seconds = value;
    return true;
}

HackOptions ParseHackOptions(const std::vector<std::string>& arguments,
                             const char* windowVariable) {
    HackOptions options;
    for (const std::string& argument : arguments) {
        const std::string name = OptionName(argument);
        if (name == "help" || argument == "-h") {
            options.action = ProgramAction::kHelp;
            return options;
        }
        if (name == "version") {
            options.action = ProgramAction::kVersion;
        }
    }
    if (options.action == ProgramAction::kVersion) {
        return options;
    }
    bool targetGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string name = OptionName(arguments[i]);
        if (name == "root") {
            options.target = FlightTarget::kRootWindow;
            targetGiven = true;
        } else if (name == "window-id") {
            if (i + 1 >= arguments.size()) {
                options.error = "--window-id needs a window id";
                return options;
            }
            if (!ParseWindowId(arguments[++i], options.windowId)) {
                options.error = "not a window id: " + arguments[i];
                return options;
            }
            options.target = FlightTarget::kGivenWindow;
            targetGiven = true;
        } else if (name == "fps") {
            options.printFps = true;
        } else if (name == "no-aircraft") {
            options.showAircraft = false;
        } else if (name == "sky-follows-clock") {
            options.skyFollowsClock = true;
        } else if (name == "clock") {
            options.clock = true;
        } else if (name == "each-monitor") {
            options.eachMonitor = true;
        } else if (name == "picture") {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
                options.error = "--picture needs a picture file or a folder of pictures";
                return options;
            }
            options.picture = arguments[++i];
        } else if (name == "no-frame-wait") {
            options.framePeriodWait = false;
        } else if (name == "x11") {
            options.x11 = true;
        } else if (name == "idle") {
            if (i + 1 >= arguments.size() ||
                !ParseIdleSeconds(arguments[i + 1], options.idleSeconds)) {
                options.error =
                    "--idle needs the seconds of idleness before the flight (1 to 86400)";
                return options;
            }
            ++i;
        } else if (name == "add-to-xscreensaver" || name == "remove-from-xscreensaver") {
            if (arguments.size() != 1) {
                options.error = "--" + name + " is given alone";
                return options;
            }
            options.action = name[0] == 'a' ? ProgramAction::kAddToXscreensaver
                                            : ProgramAction::kRemoveFromXscreensaver;
            return options;
        } else {
            options.error = "unknown option: " + arguments[i];
            return options;
        }
    }
    // xscreensaver's window stands in for the root window ("virtual root"): a hack started
    // with "--root" draws there when the variable is set, and so does one started bare.
    const bool rootOrNothing = !targetGiven || options.target == FlightTarget::kRootWindow;
    if (rootOrNothing && windowVariable != nullptr && *windowVariable != '\0') {
        if (!ParseWindowId(windowVariable, options.windowId)) {
            options.error =
                std::string("XSCREENSAVER_WINDOW is not a window id: ") + windowVariable;
            return options;
        }
        options.target = FlightTarget::kGivenWindow;
    }
    return options;
}

const char* HackHelp() {
    return "usage: altostrat [OPTION]...\n"
           "Flies over a picture of your desktop turned into an endless rolling landscape,\n"
           "behind a paper glider, under a sky, fog and a sun glow. Alone it fills the screen\n"
           "until Escape; as an xscreensaver hack it draws in xscreensaver's window.\n"
           "\n"
           "  --root                 draw on the root window (under xscreensaver, in its window)\n"
           "  --window-id ID         draw into the window ID (decimal or 0x hex)\n"
           "  --fps                  show the frame rate in the picture's bottom left corner\n"
           "  --no-aircraft          leave the paper glider out\n"
           "  --sky-follows-clock    the sky's light follows the local time of day\n"
           "  --clock                show the local time in the picture's bottom right corner\n"
           "  --each-monitor         each monitor a flight of its own over its part of the land\n"
           "  --picture FILE|FOLDER  fly over this JPEG or PNG (from a folder, one at random)\n"
           "  --no-frame-wait        no pacing: one flight step a picture, for speed tests\n"
           "  --x11                  on a Wayland desktop, fly in an XWayland window instead\n"
           "  --idle SECONDS         on Wayland, stay resident and fly after SECONDS idle\n"
           "  --add-to-xscreensaver  add the hack to your list in ~/.xscreensaver\n"
           "  --remove-from-xscreensaver\n"
           "                         take it out of that list again\n"
           "  --help                 show this and end\n"
           "  --version              show the version and end\n"
           "\n"
           "Options may start with one dash or two. The manual: man 6 altostrat.\n";
}

const char* HackUsage() {
    return "usage: altostrat [--root | --window-id ID] [--fps] [--no-aircraft] "
           "[--sky-follows-clock]\n"
           "                 [--clock] [--each-monitor] [--picture FILE|FOLDER] [--no-frame-wait]\n"
           "                 [--x11] [--idle SECONDS]\n"
           "       altostrat --add-to-xscreensaver | --remove-from-xscreensaver";
}

}  // namespace altostrat
