#pragma once
// Everything the running host shares between its parts: created by the entry point, passed by
// reference, so a test can build a fresh one.

#include <cstdint>
#include <string>

#include "common/ui_language.h"
#include "host/settings/settings.h"

namespace altostrat {

struct HostState {
    std::string arguments;      // the command line after the program's own path
    std::string programFolder;  // the folder holding the program, without a trailing backslash
    HostSettings settings;
    // The language of every text the user reads (host/text/host_texts.h), asked of Windows once at
    // the start; the design's Japanese until then.
    UiLanguage language = UiLanguage::kJapanese;

    std::int32_t PreviewParent = 0;  // window the preview goes into

    // The saver's start hid the cursor and nothing has shown it since: RestoreCursor shows it
    // again exactly once.
    bool cursorHidden = false;
};

}  // namespace altostrat
