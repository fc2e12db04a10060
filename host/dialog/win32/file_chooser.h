#pragma once
// The settings dialog's file choosers: the system's Open dialog with the dialog's title, and the
// filter and start folder of the music file or of the 景色 picture.

#include <windows.h>

#include <optional>
#include <string>

#include "host/settings/settings.h"
#include "host/text/host_texts.h"

namespace altostrat {

struct PickedFile {
    std::string path;       // as the user picked it
    std::string shortPath;  // its 8.3 form, "" when there is none (the file does not exist)
};

// The music file, opening in the folder of BgmFolder, with the title and filter names of TEXTS;
// nothing when the user cancelled.
std::optional<PickedFile> ChooseMusicFile(const HostSettings& settings, HWND owner,
                                          const HostTexts& texts);

// The same for a picture, opening in START_FOLDER.
std::optional<PickedFile> ChoosePictureFile(HWND owner, const std::string& startFolder,
                                            const HostTexts& texts);

}  // namespace altostrat
