#pragma once
// What a start of the host does with its arguments (no other instance running):
// Explorer's "Configure" on a screen saver starts it with no arguments at all, so that opens the
// settings exactly as /c without a parent window does. Every start but the preview sweeps the
// picture folders earlier runs left behind (run_folder.h) and loads the settings.
//
//   arguments           mode      sweep + settings            cursor hidden
//   /p 1234             preview   no                          no
//   /c, /c:1234         settings  yes                         no
//   /s (also /S, -s)    saver     yes                         yes
//   (empty)             settings  yes                         no
//   /a, /x, s, ...      end       yes                         no

#include <cstdint>
#include <string>
#include <string_view>

namespace altostrat {

enum class StartMode { kSaver, kPreview, kSettings, kEnd };

struct StartDecision {
    std::string letter;  // the mode letter, "" when there is none
    StartMode mode = StartMode::kEnd;
    bool sweepsRunFolders = false;
    bool loadsSettings = false;
    bool hidesCursor = false;
    std::int32_t previewParent = 0;  // preview mode only
};

StartDecision DecideStart(std::string_view arguments);

// "saver", "preview", "settings", "end".
const char* StartModeName(StartMode mode);

}  // namespace altostrat
