#pragma once
// The host's settings (the background music and how the flight looks): what the settings file
// holds, and how they are loaded at start-up and saved by the settings dialog.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace altostrat {

// BGM区分, as the file numbers it. The file may hold another number: it plays nothing, and it is
// kept and written back as it was, so saving changes no byte the user did not change.
enum class MusicKind : std::int16_t { kNone = 0, kCd = 1, kFile = 2 };

// 画面: the display switched to 1024 x 768 with the other monitors covered; one flight across
// all monitors at their own resolutions; each monitor its own flight at its own resolution.
enum class ScreenChoice : std::int16_t { kSwitchTo1024 = 0, kAcrossAll = 1, kEachMonitor = 2 };

// 景色: the ground is the desktop, or a picture of the user's own (SceneryFile).
enum class Scenery : std::int16_t { kDesktop = 0, kPicture = 1 };

struct HostSettings {
    MusicKind BgmKind = MusicKind::kNone;
    std::int16_t BgmRepeat = 0;  // CD track to loop, 0 for none
    std::string BgmFile;         // path of the music file
    std::string BgmFolder;       // where the music-file chooser opens; not stored in the file
    ScreenChoice Screen = ScreenChoice::kSwitchTo1024;  // 画面: any number but 1 or 2 reads as 0
    bool AircraftShown = true;     // 機体: the paper glider the camera follows; only 0 hides it
    bool SkyFollowsClock = false;  // 空: the sky's light follows the local time; only 1 does
    Scenery SceneryKind = Scenery::kDesktop;  // 景色: only 1 reads as the user's picture
    // A picture file, or a folder to take a picture from at random at each run. Kept as the
    // file holds it even when nothing is there now (a drive not plugged in): the run falls back
    // to the desktop then.
    std::string SceneryFile;
    bool ClockShown = false;  // 時計: the local time in a corner of the flight; only 1 shows it
};

// The file's section and keys. The keys are half-width katakana and kanji, and stay exactly so
// in the file's Shift-JIS bytes: existing files are matched byte for byte.
inline constexpr char kSettingsSection[] = "Section";
inline constexpr char kBgmKindKey[] = u8"BGM\u533A\u5206";                      // BGM区分
inline constexpr char kBgmRepeatKey[] = u8"BGM\uFF98\uFF8B\uFF9F\uFF70\uFF84";  // BGMﾘﾋﾟｰﾄ
inline constexpr char kBgmFileKey[] = u8"BGM\uFF8C\uFF67\uFF72\uFF99";          // BGMﾌｧｲﾙ
inline constexpr char kScreenChoiceKey[] = u8"\u753B\u9762";                    // 画面
inline constexpr char kAircraftShownKey[] = u8"\u6A5F\u4F53";                   // 機体
inline constexpr char kSkyFollowsClockKey[] = u8"\u7A7A";                       // 空
inline constexpr char kSceneryKindKey[] = u8"\u666F\u8272";                     // 景色
inline constexpr char kSceneryFileKey[] = u8"\u666F\u8272\uFF8C\uFF67\uFF72\uFF99";  // 景色ﾌｧｲﾙ
inline constexpr char kClockShownKey[] = u8"\u6642\u8A08";                           // 時計

// Fills SETTINGS from the file at INI_PATH: the numbers become the settings' own values here, and
// nowhere else. Numbers are rounded down into 16 bits; a music number that is not one or does
// not fit leaves the setting as it was. The display numbers have a default instead: 画面 is 1 or
// 2 only for a 1 or a 2, 空, 景色 and 時計 1 only for a 1, and 機体 0 only for a 0, so missing,
// empty or unreadable values give the 1024 x 768 switch, the glider shown, the midday sky and the
// desktop, and no clock.
// BgmFolder becomes PROGRAM_FOLDER, or the folder of BgmFile when that file exists; a music file
// that does not exist is forgotten (BgmFile "", and kind 2 falls back to 0). The file itself is not
// changed.
void LoadSettings(HostSettings& settings, std::string_view iniPath, std::string_view programFolder);

// Writes the nine stored settings in their order (kind, repeat track, file, screen, aircraft,
// sky, scenery, scenery file, clock) as the dialog saves them: numbers as " 5" or "-5", the paths
// as they are. All nine go into the file in one replacement, so they land together or not at all;
// false when nothing was written (the file could not be read or written, or a path has
// characters or a length no form of the file gives back: UnkeptPath).
bool SaveSettings(const HostSettings& settings, std::string_view iniPath);

// A stored path SaveSettings refused, with its key. The numbers are always kept, so a path the
// file cannot give back whole (IniKeepsWhole in ini_file.h) is the only setting of the user's
// that stops a save; this names it, so that the user learns which one. The first such path
// (BGMﾌｧｲﾙ, then 景色ﾌｧｲﾙ), or nothing when the file keeps both.
struct UnkeptSetting {
    std::string key;
    std::string value;
};
std::optional<UnkeptSetting> UnkeptPath(const HostSettings& settings);

}  // namespace altostrat
