#include "host/dialog/settings_dialog.h"

#include "common/utf8.h"
#include "host/settings/ini_file.h"
#include "host/settings/ini_text.h"
#include "host/text/number_conversion.h"
#include "host/text/number_format.h"
#include "host/text/paths.h"

namespace altostrat {

namespace {

constexpr int kRepeatItemCount = 31;  // no repeat, then tracks 1 to 30

// A kind the file holds beyond the three marks none.
void MarkChosen(SettingsDialogForm& form, MusicKind kind) {
    form.chosenMark = {kind == MusicKind::kNone, kind == MusicKind::kCd, kind == MusicKind::kFile};
}

void MarkScreen(SettingsDialogForm& form, ScreenChoice choice) {
    form.screenMark = {choice == ScreenChoice::kSwitchTo1024, choice == ScreenChoice::kAcrossAll,
                       choice == ScreenChoice::kEachMonitor};
}

void MarkScenery(SettingsDialogForm& form, Scenery scenery) {
    form.sceneryMark = {scenery == Scenery::kDesktop, scenery == Scenery::kPicture};
}

bool Storable(std::string_view path) {
    return RefusalOf(path) == PathRefusal::kNone;
}

// The folder of a picture as a path of its own: a picture in a drive's root gives the root
// "C:\", since a bare "C:" is the current folder of that drive to Windows.
std::string FolderOfPicture(std::string_view picture) {
    return ChooserStartFolder(FolderOfPath(picture));
}

void ShowSceneryPath(SettingsDialogForm& form, HostSettings& settings) {
    settings.SceneryFile =
        form.sceneryFolderChecked ? FolderOfPicture(form.pickedPicture) : form.pickedPicture;
    form.sceneryLabel = settings.SceneryFile;
}

}  // namespace

void LoadSettingsDialog(SettingsDialogForm& form, const HostSettings& settings,
                        bool sceneryIsFolder) {
    MarkChosen(form, settings.BgmKind);
    form.repeatEnabled = settings.BgmKind == MusicKind::kCd;
    form.fileButtonEnabled = settings.BgmKind == MusicKind::kFile;
    form.repeatText = NumberOrEmpty(settings.BgmRepeat);
    form.repeatItems.clear();
    for (int i = 0; i < kRepeatItemCount; ++i) {
        form.repeatItems.push_back(NumberOrEmpty(i));
    }
    form.fileLabel = settings.BgmFile;
    MarkScreen(form, settings.Screen);
    form.aircraftChecked = settings.AircraftShown;
    form.skyChecked = settings.SkyFollowsClock;
    form.clockChecked = settings.ClockShown;
    MarkScenery(form, settings.SceneryKind);
    form.sceneryLabel = settings.SceneryFile;
    form.sceneryFolderChecked = sceneryIsFolder;
    form.pickedPicture = sceneryIsFolder ? std::string() : settings.SceneryFile;
}

void ChooseScenery(SettingsDialogForm& form, HostSettings& settings, Scenery scenery) {
    settings.SceneryKind = scenery;
    MarkScenery(form, scenery);
}

bool ToggleSceneryFolder(SettingsDialogForm& form, HostSettings& settings) {
    if (form.sceneryFolderChecked && form.pickedPicture.empty() && !settings.SceneryFile.empty()) {
        return true;
    }
    form.sceneryFolderChecked = !form.sceneryFolderChecked;
    if (!form.pickedPicture.empty()) {
        ShowSceneryPath(form, settings);
    }
    return false;
}

void TakePickedPicture(SettingsDialogForm& form, HostSettings& settings, const std::string& path,
                       bool clearFolderBox) {
    form.pickedPicture = path;
    if (clearFolderBox) {
        form.sceneryFolderChecked = false;
    }
    ShowSceneryPath(form, settings);
    ChooseScenery(form, settings, Scenery::kPicture);
}

std::string PictureChooserFolder(const SettingsDialogForm& form, const HostSettings& settings) {
    // While the box is ticked the path is the folder already.
    return form.sceneryFolderChecked ? ChooserStartFolder(settings.SceneryFile)
                                     : FolderOfPicture(settings.SceneryFile);
}

void ChooseScreen(SettingsDialogForm& form, HostSettings& settings, ScreenChoice choice) {
    settings.Screen = choice;
    MarkScreen(form, choice);
}

void ToggleAircraft(SettingsDialogForm& form, HostSettings& settings) {
    form.aircraftChecked = !form.aircraftChecked;
    settings.AircraftShown = form.aircraftChecked;
}

void ToggleKeeper(SettingsDialogForm& form) {
    if (form.keeperAvailable) {
        form.keeperChecked = !form.keeperChecked;
    }
}

KeeperChange KeeperChangeOnConfirm(const SettingsDialogForm& form, bool wasOn) {
    if (!form.keeperAvailable || form.keeperChecked == wasOn) {
        return KeeperChange::kNone;
    }
    return form.keeperChecked ? KeeperChange::kStartAtSignIn : KeeperChange::kEnd;
}

void ToggleSky(SettingsDialogForm& form, HostSettings& settings) {
    form.skyChecked = !form.skyChecked;
    settings.SkyFollowsClock = form.skyChecked;
}

void ToggleClock(SettingsDialogForm& form, HostSettings& settings) {
    form.clockChecked = !form.clockChecked;
    settings.ClockShown = form.clockChecked;
}

void ChooseMusicKind(SettingsDialogForm& form, HostSettings& settings, MusicKind kind) {
    settings.BgmKind = kind;
    MarkChosen(form, kind);
    form.repeatEnabled = kind == MusicKind::kCd;
    form.fileButtonEnabled = kind == MusicKind::kFile;
}

std::int16_t RepeatFromText(std::string_view text) {
    const std::string_view number = TrimBlanks(text);
    DecimalParts parts;
    std::size_t i = 0;
    if (!ReadSignedDigits(number, i, parts) || i != number.size()) {
        return 0;
    }
    // Out of the 16-bit range gives nothing here, and the setting 0, rather than a wrap.
    return RoundToInt16(DecimalValue(parts)).value_or(0);
}

PathRefusal RefusalOf(std::string_view path) {
    // A name's unpaired surrogate, which no UTF-8 can carry, arrives as U+FFFD: kept, the path
    // would name another file.
    if (!IsValidUtf8(path) || path.find(u8"\uFFFD") != std::string_view::npos ||
        !IsWritableValue(path)) {
        return PathRefusal::kCharacters;
    }
    return IniKeepsWhole(path) ? PathRefusal::kNone : PathRefusal::kTooLong;
}

std::optional<std::string> StorablePath(std::string_view path, std::string_view shortPath) {
    if (Storable(path)) {
        return std::string(path);
    }
    if (!shortPath.empty() && Storable(shortPath)) {
        return std::string(shortPath);
    }
    return std::nullopt;
}

std::string BrokenIntoLines(std::string_view text, std::size_t columns) {
    std::string lines;
    std::size_t inLine = 0;
    for (const char c : text) {
        const bool startsCharacter = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        if (startsCharacter && columns > 0 && inLine == columns) {
            lines.push_back('\n');
            inLine = 0;
        }
        lines.push_back(c);
        inLine += startsCharacter ? 1 : 0;
    }
    return lines;
}

std::string ChooserStartFolder(std::string_view bgmFolder) {
    std::string folder(bgmFolder);
    if (folder.size() == 2 && folder[1] == ':') {
        folder.push_back('\\');
    }
    return folder;
}

void PressLink(LinkPress& press, bool overLink) {
    press.pressedOnLink = overLink;
}

bool ReleaseLink(LinkPress& press, bool overLink) {
    const bool open = press.pressedOnLink && overLink;
    press.pressedOnLink = false;
    return open;
}

void TakePickedFile(SettingsDialogForm& form, HostSettings& settings, const std::string& path) {
    settings.BgmFile = path;
    form.fileLabel = path;
    settings.BgmFolder = FolderOfPath(path);
}

bool ConfirmSettings(SettingsDialogForm& form, HostSettings& settings, SettingsStore& store) {
    settings.BgmRepeat = RepeatFromText(form.repeatText);
    if (!store.Save(settings)) {
        return false;
    }
    form.closed = true;
    return true;
}

void CancelSettings(SettingsDialogForm& form) {
    form.closed = true;
}

}  // namespace altostrat
