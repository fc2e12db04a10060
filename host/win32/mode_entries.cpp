#include "host/win32/mode_entries.h"

#include "host/win32/settings_dialog_window.h"

namespace altostrat {

// The preview form and the saver form are not built yet: until they are, those modes end the
// program at once, showing nothing. The saver's hidden cursor is shown again by Main on the way
// out.

int RunPreview(HostState&) {
    return 0;
}

int RunSettingsDialog(HostState& state) {
    return ShowSettingsDialog(state);
}

int RunSaver(HostState&) {
    return 0;
}

}  // namespace altostrat
