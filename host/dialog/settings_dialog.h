#pragma once
// What the settings dialog decides, apart from its windows: which controls a music kind
// enables, the marks of the music and screen choices and the aircraft, sky and clock boxes, the
// repeat-track list, which picked path can be kept and where the chooser opens, when the link
// opens, and what "設定" saves.
//
// The 景色 group keeps one path, 景色ﾌｧｲﾙ, for two things: with the folder box ticked it is the
// folder a picture is taken from at random at each run, cleared it is the picture itself. The
// dialog remembers the picture last picked, so that ticking the box turns the path into that
// picture's folder and clearing it gives the picture back. A dialog opened on a folder knows no
// picture in it: clearing the box then needs one picked first, and the box stays ticked until
// one is.
//
// The repeat entry is read by the dialog's own rule, not the settings file's: an optional sign,
// digits and an optional fraction with blanks around it ("1e1" is not a number here), rounded to
// the nearest integer with halves to even. Whatever is not such a number, or does not fit the
// 16-bit setting, saves as 0.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/settings/settings.h"

namespace altostrat {

// The dialog's controls as far as its logic goes.
struct SettingsDialogForm {
    std::array<bool, 3> chosenMark{};  // Img_BGM(i) shows the chosen mark; by MusicKind
    bool repeatEnabled = false;        // BGM_Repeat, the combo of the CD track to repeat
    bool fileButtonEnabled = false;    // Cmd_File, "..."
    std::string repeatText;            // the combo's text
    std::vector<std::string> repeatItems;
    std::string fileLabel;             // lbl_Fname
    std::array<bool, 3> screenMark{};  // the 画面 choices' marks; by ScreenChoice
    bool aircraftChecked = true;       // "紙飛行機を表示する"
    bool skyChecked = false;           // "空を時刻に合わせる"
    bool clockChecked = false;         // "時計を表示する"
    // "待機中の画面を覚えておく": the keeper starts at sign-in. Not a setting of the file: the
    // dialog reads it from, and on "設定" writes it to, the keeper's start-at-sign-in entry.
    bool keeperChecked = false;
    bool keeperAvailable = false;  // the keeper lies beside the host; without it the box is off
    std::array<bool, 2> sceneryMark{};  // "デスクトップ", "画像"; by Scenery
    std::string sceneryLabel;           // the path box, 景色ﾌｧｲﾙ
    bool sceneryFolderChecked = false;  // "フォルダーの画像から毎回選ぶ"
    std::string pickedPicture;          // the picture the folder box goes back to; "" if none
    bool closed = false;
};

// Saves the stored settings in their order; false when nothing could be written.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual bool Save(const HostSettings& settings) = 0;
};

// The controls for the settings as loaded (the dialog's load, after the buttons and the panel).
// SCENERY_IS_FOLDER: 景色ﾌｧｲﾙ names a folder on this machine now.
void LoadSettingsDialog(SettingsDialogForm& form, const HostSettings& settings,
                        bool sceneryIsFolder = false);

// A press on a choice's mark or caption (or the choice picked by keyboard). The path and the
// combo's text stay as they are.
void ChooseMusicKind(SettingsDialogForm& form, HostSettings& settings, MusicKind kind);

// The repeat entry's value by the dialog's rule; 0 for anything else.
std::int16_t RepeatFromText(std::string_view text);

// A 画面 choice.
void ChooseScreen(SettingsDialogForm& form, HostSettings& settings, ScreenChoice choice);

// The aircraft box clicked or toggled with Space.
void ToggleAircraft(SettingsDialogForm& form, HostSettings& settings);

// The sky box, the same way.
void ToggleSky(SettingsDialogForm& form, HostSettings& settings);

// The clock box, the same way.
void ToggleClock(SettingsDialogForm& form, HostSettings& settings);

// The keeper's box toggled; a box without a keeper to start stays as it is.
void ToggleKeeper(SettingsDialogForm& form);
// What "設定" does to the keeper, from the box as loaded (WAS_ON) and as it is now.
enum class KeeperChange { kNone, kStartAtSignIn, kEnd };
KeeperChange KeeperChangeOnConfirm(const SettingsDialogForm& form, bool wasOn);

// A 景色 choice. The path stays as it is.
void ChooseScenery(SettingsDialogForm& form, HostSettings& settings, Scenery scenery);

// The folder box toggled. Ticking it turns the path into the folder of the picture last picked;
// clearing it gives that picture back. With no picture to give back, the box stays ticked and
// the answer is true: the caller lets the user pick one (TakePickedPicture with clearFolderBox).
bool ToggleSceneryFolder(SettingsDialogForm& form, HostSettings& settings);

// A picture picked in the picture chooser, in the form StorablePath gave: 画像 is chosen, and
// 景色ﾌｧｲﾙ becomes the picture, or its folder while the box is ticked (unless the pick was to
// clear the box: CLEAR_FOLDER_BOX).
void TakePickedPicture(SettingsDialogForm& form, HostSettings& settings, const std::string& path,
                       bool clearFolderBox = false);

// Where the picture chooser opens: the folder of the picture, or the folder itself while the
// path is one.
std::string PictureChooserFolder(const SettingsDialogForm& form, const HostSettings& settings);

// Why the settings file cannot keep a path whole: characters that did not survive the way from
// Windows (U+FFFD, malformed UTF-8) or that no line holds, or more than its reader gives back
// (IniKeepsWhole). Any letter is kept: the file turns UTF-16 for those code page 932 lacks.
enum class PathRefusal { kNone, kCharacters, kTooLong };
PathRefusal RefusalOf(std::string_view path);

// The form of a picked file's path the settings file can keep: the path itself, else its short
// (8.3) form SHORT_PATH when that one can be kept, else nothing (the caller then tells the user
// why, by RefusalOf the path, and keeps the previous choice).
std::optional<std::string> StorablePath(std::string_view path, std::string_view shortPath);

// TEXT with a line break after every COLUMNS characters (counted as UTF-8 characters, never
// splitting one), for a path shown in a message, which Windows wraps only at blanks.
std::string BrokenIntoLines(std::string_view text, std::size_t columns);

// The folder the file chooser opens in for BgmFolder: the folder itself, except that a bare
// drive ("C:", what a file in a drive's root leaves) becomes its root ("C:\"): to Windows a
// bare "C:" is the current folder on that drive.
std::string ChooserStartFolder(std::string_view bgmFolder);

// The link opens for a left click that began and ended on it, as a button does; a release that
// ends a press made elsewhere (such as the double-click closing the file chooser above it) does
// nothing.
struct LinkPress {
    bool pressedOnLink = false;
};
void PressLink(LinkPress& press, bool overLink);
// True when the link is to open.
bool ReleaseLink(LinkPress& press, bool overLink);

// A file picked in the file chooser, in the form StorablePath gave.
void TakePickedFile(SettingsDialogForm& form, HostSettings& settings, const std::string& path);

// "設定": the repeat track from the combo's text, then the six keys through STORE. The form
// closes when they were saved; false (form left open) when the store failed.
bool ConfirmSettings(SettingsDialogForm& form, HostSettings& settings, SettingsStore& store);

// "ｷｬﾝｾﾙ", Escape and the close box: the form closes and nothing is written.
void CancelSettings(SettingsDialogForm& form);

}  // namespace altostrat
