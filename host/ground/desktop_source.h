#pragma once
// Where the flight's ground picture comes from. Windows may start a saver on a desktop of its
// own (named "Screen-saver", not the user's "Default"), where a photograph of the screen shows
// that desktop's plain background, or nothing at all, instead of the user's windows. So the
// host tries its sources in a fixed order and takes the first that gives a picture:
//
//   own picture chosen   read    photograph usable   keeper's taken   wallpaper read   source
//   yes                  yes     -                   -                -                own picture
//   yes                  no      yes                 -                -                photograph
//   no                   -       yes                 -                -                photograph
//   either               either  no                  yes              -                keeper's
//   either               either  no                  no               yes              wallpaper
//   either               either  no                  no               no               ground
//
// ("-": not asked.) The decision asks one question at a time, so a source is gathered (a picture
// decoded, a wallpaper read) only when every source before it has failed.

#include <optional>
#include <string>

namespace altostrat {

enum class DesktopSource { kOwnPicture, kPhotograph, kKeeperPhotograph, kWallpaper, kGround };

enum class DesktopQuestion {
    kNone,  // decided
    kOwnPicture,
    kPhotograph,
    kKeeperPhotograph,
    kWallpaper,
};

// What the gatherer has found out so far; an empty answer has not been asked yet.
struct DesktopFacts {
    bool ownPictureChosen = false;  // the settings say 景色 = 1
    std::optional<bool> ownPictureRead;
    std::optional<bool> photographUsable;
    std::optional<bool> keeperPhotographTaken;
    std::optional<bool> wallpaperRead;
};

struct DesktopStep {
    DesktopQuestion ask = DesktopQuestion::kNone;   // the next question, or kNone
    DesktopSource source = DesktopSource::kGround;  // the answer once ask is kNone
};

DesktopStep NextDesktopStep(const DesktopFacts& facts);

// What a saver run asks of the ground picture: the screens it covers, and the user's picture.
struct DesktopRequest {
    bool virtualScreen = false;  // every monitor (any screen choice but 0), else the primary
    bool ownPictureChosen = false;
    std::string ownPicturePath;  // a picture file, or a folder to take one from at random
};

// The platform's side: each call tries one source and, when it gives a picture, keeps it as
// the picture to hand the renderer.
class DesktopGatherer {
  public:
    virtual ~DesktopGatherer() = default;
    // The user's picture (file or folder) decodes.
    virtual bool ReadOwnPicture() = 0;
    // The screen's photograph is the user's desktop: taken on the desktop named "Default", the
    // copy succeeded, and it is not one colour.
    virtual bool Photograph() = 0;
    // The keeper held a photograph of the desktop taken before Windows switched away from it.
    virtual bool TakeKeeperPhotograph() = 0;
    // The wallpaper decodes and is laid as Windows lays it.
    virtual bool ReadWallpaper() = 0;
};

// Asks GATHERER the decision's questions until it is decided; the source to use (kGround: the
// gatherer holds no picture, the built-in ground is the one).
DesktopSource GatherDesktopPicture(bool ownPictureChosen, DesktopGatherer& gatherer);

// "own picture", "photograph", "keeper's photograph", "wallpaper", "ground".
const char* DesktopSourceName(DesktopSource source);

}  // namespace altostrat
