#pragma once
// Everything the running host shares between its parts: created by the entry point, passed by
// reference, so a test can build a fresh one.

#include <cstdint>
#include <optional>
#include <string>

#include "host/settings/settings.h"

namespace altostrat {

struct HostState {
    std::string arguments;      // the command line after the program's own path
    std::string programFolder;  // the folder holding the program, without a trailing backslash
    HostSettings settings;

    std::int32_t PreviewParent = 0;  // window the preview goes into
    std::int16_t PreviewLeft = 0;    // preview geometry, in twips
    std::int16_t PreviewTop = 0;
    std::int16_t PreviewWidth = 0;
    std::int16_t PreviewHeight = 0;

    // The display count the saver's cursor hide returned; empty while the cursor is not hidden
    // by us. RestoreCursor shows it again exactly once.
    std::optional<int> SavedCursorCount;
    bool cursorHidden = false;

    std::int16_t AnchorX = 0;  // where the settings dialog's zoom effects start and end, pixels
    std::int16_t AnchorY = 0;

    std::int64_t ApiResult = 0;  // result of the last platform call whose result is kept
};

}  // namespace altostrat
