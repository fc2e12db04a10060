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

HackOptions ParseHackOptions(const std::vector<std::string>& arguments,
                             const char* windowVariable) {
    HackOptions options;
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

const char* HackUsage() {
    return "usage: altostrat [--root | --window-id ID] [--fps] [--no-aircraft] "
           "[--sky-follows-clock]\n"
           "                 [--each-monitor] [--picture FILE|FOLDER] [--no-frame-wait]\n"
           "       altostrat --add-to-xscreensaver | --remove-from-xscreensaver";
}

}  // namespace altostrat
