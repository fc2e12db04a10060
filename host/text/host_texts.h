#pragma once
// Every text of アルトストラト.scr that its user reads, in the two languages it speaks: the
// design's Japanese, byte for byte as the design gives it, and English. The host picks one of the
// two tables once at its start (common/ui_language.h) and reads every text from it, so a text
// is written once for each language and nowhere else. The settings file's keys and values are
// its format, not texts: they stay out of here and never change with the language. The name
// in Windows' screen saver list is the resource script's string 1, in both languages there.

#include <array>

#include "common/ui_language.h"

namespace altostrat {

struct HostTexts {
    // The settings dialog.
    const char* dialogTitle;
    const char* setButton;
    const char* cancelButton;
    const char* musicHeading;
    std::array<const char*, 3> musicChoices;  // by music kind: none, audio CD, file
    const char* repeatCaption;
    const char* screenHeading;
    std::array<const char*, 3> screenChoices;  // by 画面 choice
    const char* aircraftBox;
    const char* skyBox;
    const char* sceneryHeading;
    std::array<const char*, 2> sceneryChoices;  // desktop, a picture of one's own
    const char* sceneryFolderBox;
    const char* keeperBox;
    const char* clockBox;
    std::array<const char*, 3> credits;  // longest first: the first that fits is shown
    const char* manualLink;

    // The file choosers.
    const char* fileChooserTitle;
    const char* musicFilter;
    const char* pictureFilter;
    const char* anyFilter;

    // The dialog's messages; a path or a setting follows each.
    const char* pathTooLong;
    const char* pathUnwritable;
    const char* settingUnkept;
    const char* settingsFileUnwritten;
    // The keeper's box: the first line, then what failed, then what was put back.
    const char* keeperUnchanged;
    const char* keeperFolderOpen;
    const char* keeperSignInEntry;
    const char* keeperNotStarted;
    const char* keeperNotEnded;
    const char* keeperEntryUndone;
    const char* keeperEntryNotUndone;

    // The ground report, a line for the ground flown over and one for each source passed over.
    const char* groundLine;
    const char* passedOverLine;
    std::array<const char*, 5> groundSources;  // by DesktopSource
    std::array<const char*, 10> misses;  // by SourceMiss; a refused photograph's is followed by
    std::array<const char*, 8> keeperVerdicts;  // the keeper's verdict, by KeeperVerdict
};

const HostTexts& TextsFor(UiLanguage language);

}  // namespace altostrat
