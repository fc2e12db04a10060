#include "host/saver_run/win32/mode_entries.h"

#include "host/dialog/win32/settings_dialog_window.h"

namespace altostrat {

// The preview is in preview_form.cpp, the saver run in saver_form.cpp.

int RunSettingsDialog(HostState& state) {
    return ShowSettingsDialog(state);
}

}  // namespace altostrat
