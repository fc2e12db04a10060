#include "linux_program/x11/ground_choice.h"

namespace altostrat {

GroundSource ChooseGround(const GroundFacts& facts) {
    if (facts.pictureOption) {
        return GroundSource::kOwnPicture;
    }
    if (facts.hack) {
        return GroundSource::kXscreensaverPicture;
    }
    if (facts.gnomeSession) {
        return GroundSource::kWallpaper;
    }
    return facts.photographPossible ? GroundSource::kPhotograph : GroundSource::kOwnGround;
}

bool GnomeSession(std::string_view xdgCurrentDesktop) {
    while (!xdgCurrentDesktop.empty()) {
        const std::size_t colon = xdgCurrentDesktop.find(':');
        if (xdgCurrentDesktop.substr(0, colon) == "GNOME") {
            return true;
        }
        xdgCurrentDesktop.remove_prefix(colon == std::string_view::npos ? xdgCurrentDesktop.size()
                                                                        : colon + 1);
    }
    return false;
}

}  // namespace altostrat
