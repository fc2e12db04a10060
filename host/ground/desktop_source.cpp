#include "host/ground/desktop_source.h"

#include <cstddef>

#include "host/text/host_texts.h"

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
    if (!facts.sessionLocked) {
        return Ask(DesktopQuestion::kSessionLocked);
    }
    if (*facts.sessionLocked) {
        return facts.wallpaperRead
                   ? Take(*facts.wallpaperRead ? DesktopSource::kWallpaper : DesktopSource::kGround)
                   : Ask(DesktopQuestion::kWallpaper);
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

GroundAccount GatherDesktopPicture(bool ownPictureChosen, DesktopGatherer& gatherer) {
    DesktopFacts facts;
    facts.ownPictureChosen = ownPictureChosen;
    GroundAccount account;
    // Asks one source; a miss goes into the account.
    const auto ask = [&account](DesktopSource source, SourceAnswer answer) {
        if (answer.miss != SourceMiss::kNone) {
            account.passedOver.emplace_back(source, answer);
        }
        return answer.miss == SourceMiss::kNone;
    };
    for (;;) {
        const DesktopStep step = NextDesktopStep(facts);
        switch (step.ask) {
            case DesktopQuestion::kNone:
                account.source = step.source;
                return account;
            case DesktopQuestion::kOwnPicture:
                facts.ownPictureRead = ask(DesktopSource::kOwnPicture, gatherer.ReadOwnPicture());
                break;
            case DesktopQuestion::kSessionLocked:
                facts.sessionLocked = gatherer.SessionLocked();
                if (*facts.sessionLocked) {
                    ask(DesktopSource::kPhotograph, {SourceMiss::kSessionLocked});
                    ask(DesktopSource::kKeeperPhotograph, {SourceMiss::kSessionLocked});
                }
                break;
            case DesktopQuestion::kPhotograph:
                facts.photographUsable = ask(DesktopSource::kPhotograph, gatherer.Photograph());
                break;
            case DesktopQuestion::kKeeperPhotograph:
                facts.keeperPhotographTaken =
                    ask(DesktopSource::kKeeperPhotograph, gatherer.TakeKeeperPhotograph());
                break;
            case DesktopQuestion::kWallpaper:
                facts.wallpaperRead = ask(DesktopSource::kWallpaper, gatherer.ReadWallpaper());
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

// The report's texts stand in the tables by these enumerations' values.
static_assert(static_cast<std::size_t>(DesktopSource::kGround) + 1 ==
              std::tuple_size<decltype(HostTexts::groundSources)>::value);
static_assert(static_cast<std::size_t>(SourceMiss::kSessionLocked) + 1 ==
              std::tuple_size<decltype(HostTexts::misses)>::value);
static_assert(static_cast<std::size_t>(KeeperVerdict::kAlreadyTaken) + 1 ==
              std::tuple_size<decltype(HostTexts::keeperVerdicts)>::value);

std::string GroundReport(const GroundAccount& account, UiLanguage language) {
    const HostTexts& texts = TextsFor(language);
    auto name = [&](DesktopSource source) {
        return std::string(texts.groundSources[static_cast<std::size_t>(source)]);
    };
    std::string report = texts.groundLine + name(account.source) + "\r\n";
    for (const auto& [source, answer] : account.passedOver) {
        std::string reason = texts.misses[static_cast<std::size_t>(answer.miss)];
        if (answer.miss == SourceMiss::kKeeperRefused) {
            reason += texts.keeperVerdicts[static_cast<std::size_t>(answer.keeper)];
        }
        report += texts.passedOverLine + name(source) + u8" \u2014 " + reason + "\r\n";
    }
    return report;
}

}  // namespace altostrat
