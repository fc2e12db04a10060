#pragma once
// Where the flight's ground picture comes from. Windows may start a saver on a desktop of its
// own (named "Screen-saver", not the user's "Default"), where a photograph of the screen shows
// that desktop's plain background, or nothing at all, instead of the user's windows. So the
// host tries its sources in a fixed order and takes the first that gives a picture:
//
//   own picture                  photograph  keeper's  wallpaper
//   chosen       read    locked  usable      taken     read       source
//   yes          yes     -       -           -         -          own picture
//   yes          no      no      yes         -         -          photograph
//   no           -       no      yes         -         -          photograph
//   either       either  no      no          yes       -          keeper's
//   either       either  no      no          no        yes        wallpaper
//   either       either  yes     -           -         yes        wallpaper
//   either       either  either  no / -      no / -    no         ground
//
// ("-": not asked.) The decision asks one question at a time, so a source is gathered (a picture
// decoded, a wallpaper read) only when every source before it has failed.
//
// Over a locked session nothing of the user's screen is shown: whoever stands at the machine is
// not known to be the user, and the user's windows (mail, documents) would be the land. Neither
// photograph is then asked for; the user's own picture, chosen for the screensaver to show, the
// wallpaper as Windows places it, or the built-in ground is the one. Where the session service
// cannot tell a lock, the keeper's notices decide: it dropped its photograph at the lock.
//
// Every source passed over says why, and the run's account of it (the source taken, and each
// one before it with its reason) is written where a user finds it without tools: a flight over
// the wallpaper or the built-in ground then tells whether the keeper's photograph was refused,
// the photograph showed one colour, or the user's picture could not be read.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/keeper_photograph.h"
#include "common/ui_language.h"

namespace altostrat {

enum class DesktopSource { kOwnPicture, kPhotograph, kKeeperPhotograph, kWallpaper, kGround };

enum class DesktopQuestion {
    kNone,  // decided
    kOwnPicture,
    kSessionLocked,
    kPhotograph,
    kKeeperPhotograph,
    kWallpaper,
};

// What the gatherer has found out so far; an empty answer has not been asked yet.
struct DesktopFacts {
    bool ownPictureChosen = false;  // the settings say 景色 = 1
    std::optional<bool> ownPictureRead;
    std::optional<bool> sessionLocked;  // the session service says it is locked
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
    UiLanguage language = UiLanguage::kJapanese;  // of the ground report
};

// Why a source gave no picture; kNone when it gave one.
enum class SourceMiss {
    kNone,
    kMissing,       // the user's picture or folder is not there
    kUnreadable,    // no picture of it could be read (damaged, empty, huge; a folder with none)
    kOtherDesktop,  // the saver runs on a desktop of its own, not the user's "Default"
    kCopyFailed,    // the screen could not be copied
    kOneColour,     // the photograph shows one colour: not the user's desktop
    kNoKeeperPhotograph,  // none held: the keeper does not run, or took none this time
    kKeeperRefused,       // one held, refused for the keeper's verdict
    kNoWallpaper,         // no wallpaper is set
    kSessionLocked,       // the session is locked: nothing of the user's screen is shown
};

struct SourceAnswer {
    SourceMiss miss = SourceMiss::kNone;
    KeeperVerdict keeper = KeeperVerdict::kUsable;  // why, for kKeeperRefused
};

// The platform's side: each call tries one source and, when it gives a picture, keeps it as
// the picture to hand the renderer.
class DesktopGatherer {
  public:
    virtual ~DesktopGatherer() = default;
    // The user's picture (file or folder) decodes.
    virtual SourceAnswer ReadOwnPicture() = 0;
    // The session service says this session is locked (false where it cannot say).
    virtual bool SessionLocked() = 0;
    // The screen's photograph is the user's desktop: taken on the desktop named "Default", the
    // copy succeeded, and it is not one colour.
    virtual SourceAnswer Photograph() = 0;
    // The keeper held a photograph of the desktop taken before Windows switched away from it.
    virtual SourceAnswer TakeKeeperPhotograph() = 0;
    // The wallpaper decodes and is laid as Windows lays it.
    virtual SourceAnswer ReadWallpaper() = 0;
};

// The source taken, and the ones passed over before it with why, in the order tried.
struct GroundAccount {
    DesktopSource source = DesktopSource::kGround;
    std::vector<std::pair<DesktopSource, SourceAnswer>> passedOver;
};

// Asks GATHERER the decision's questions until it is decided; the source to use (kGround: the
// gatherer holds no picture, the built-in ground is the one) and why the others were not.
GroundAccount GatherDesktopPicture(bool ownPictureChosen, DesktopGatherer& gatherer);

// "own picture", "photograph", "keeper's photograph", "wallpaper", "ground".
const char* DesktopSourceName(DesktopSource source);

// The account's file, replaced at every saver run, in the program's folder of the user's own
// application data (%LOCALAPPDATA%\Altostrat), where no other account can plant anything.
inline constexpr char kGroundReportFolderName[] = "Altostrat";
inline constexpr char kGroundReportFileName[] = "AltostratGround.txt";

// The account as the user reads it (UTF-8, in the user's language as the program's other texts,
// lines ended by CR LF): the source taken on the first line, then each one passed over with its
// reason.
std::string GroundReport(const GroundAccount& account, UiLanguage language);

}  // namespace altostrat
