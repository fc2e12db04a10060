#include "host/win32/mode_entries.h"

namespace altostrat {

// The settings dialog is not built yet: until it is, the settings mode ends the program at once,
// showing nothing. The preview is in preview_form.cpp, the saver run in saver_form.cpp.

int RunSettingsDialog(HostState&) {
    return 0;
}

}  // namespace altostrat
