#include "host/ground/desktop_source.h"

namespace altostrat {
namespace {

DesktopStep Ask(DesktopQuestion question) {
    return DesktopStep{question, DesktopSource::kGround};
}

DesktopStep Take(DesktopSource source) {
    return DesktopStep{DesktopQuestion::kNone, source};
}

}  // namespace

DesktopStep NextDesktopStep(const DesktopFacts& facts) {
    if (facts.ownPictureChosen) {
        if (!facts.ownPictureRead) {
            return Ask(DesktopQuestion::kOwnPicture);
        }
        if (*facts.ownPictureRead) {
            return Take(DesktopSource::kOwnPicture);
        }
    }
    if (!facts.photographUsable) {
        return Ask(DesktopQuestion::kPhotograph);
    }
    if (*facts.photographUsable) {
        return Take(DesktopSource::kPhotograph);
    }
    if (!facts.keeperPhotographTaken) {
        return Ask(DesktopQuestion::kKeeperPhotograph);
    }
    if (*facts.keeperPhotographTaken) {
        return Take(DesktopSource::kKeeperPhotograph);
    }
    if (!facts.wallpaperRead) {
        return Ask(DesktopQuestion::kWallpaper);
    }
    return Take(*facts.wallpaperRead ? DesktopSource::kWallpaper : DesktopSource::kGround);
}

DesktopSource GatherDesktopPicture(bool ownPictureChosen, DesktopGatherer& gatherer) {
    DesktopFacts facts;
    facts.ownPictureChosen = ownPictureChosen;
    for (;;) {
        const DesktopStep step = NextDesktopStep(facts);
        switch (step.ask) {
            case DesktopQuestion::kNone:
                return step.source;
            case DesktopQuestion::kOwnPicture:
                facts.ownPictureRead = gatherer.ReadOwnPicture();
                break;
            case DesktopQuestion::kPhotograph:
                facts.photographUsable = gatherer.Photograph();
                break;
            case DesktopQuestion::kKeeperPhotograph:
                facts.keeperPhotographTaken = gatherer.TakeKeeperPhotograph();
                break;
            case DesktopQuestion::kWallpaper:
                facts.wallpaperRead = gatherer.ReadWallpaper();
                break;
        }
    }
}

const char* DesktopSourceName(DesktopSource source) {
    switch (source) {
        case DesktopSource::kOwnPicture:
            return "own picture";
        case DesktopSource::kPhotograph:
            return "photograph";
        case DesktopSource::kKeeperPhotograph:
            return "keeper's photograph";
        case DesktopSource::kWallpaper:
            return "wallpaper";
        case DesktopSource::kGround:
            break;
    }
    return "ground";
}

}  // namespace altostrat
