#pragma once
// The music-file chooser: the system's Open dialog with the settings dialog's filter, title and
// start folder.

#include <windows.h>

#include <optional>
#include <string>

#include "host/host_state.h"

namespace altostrat {

struct PickedFile {
    std::string path;       // as the user picked it
    std::string shortPath;  // its 8.3 form, "" when there is none (the file does not exist)
};

// Nothing when the user cancelled. The Open dialog's result goes to state.ApiResult.
std::optional<PickedFile> ChooseMusicFile(HostState& state, HWND owner);

}  // namespace altostrat
