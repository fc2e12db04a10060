#include "host/win32/mode_entries.h"

namespace altostrat {

// The preview form, the settings dialog and the saver form are not built yet: until they are,
// each mode ends the program at once, showing nothing. The saver's hidden cursor is shown again
// by Main on the way out.

int RunPreview(HostState&) {
    return 0;
}

int RunSettingsDialog(HostState&) {
    return 0;
}

int RunSaver(HostState&) {
    return 0;
}

}  // namespace altostrat
