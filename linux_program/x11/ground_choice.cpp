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

}  // namespace altostrat
