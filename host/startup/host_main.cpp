#include "host/startup/host_main.h"

#include "common/agreement.h"
#include "host/startup/start_decision.h"
#include "host/text/paths.h"

namespace altostrat {

int Main(HostState& state, HostPlatform& platform) {
    // Both windows are looked up on every start, the dialog by its title in either language;
    // any of them ends it.
    const bool saverRunning = platform.WindowExists(kSaverFormClass, kSaverFormTitle);
    const bool dialogOpen = platform.WindowExists(kSettingsDialogClass, kSettingsDialogTitle);
    const bool englishDialogOpen =
        platform.WindowExists(kSettingsDialogClass, kSettingsDialogTitleEnglish);
    if (saverRunning || dialogOpen || englishDialogOpen) {
        return 0;
    }
    const StartDecision decision = DecideStart(state.arguments);
    if (decision.mode == StartMode::kPreview) {
        state.PreviewParent = decision.previewParent;
        return platform.RunPreview(state);
    }
    if (decision.sweepsRunFolders) {
        platform.SweepRunFolders();
    }
    if (decision.loadsSettings) {
        platform.LoadSettings(state);
    }
    if (decision.mode == StartMode::kSettings) {
        return platform.RunSettingsDialog(state);
    }
    if (decision.mode == StartMode::kEnd) {
        return 0;
    }
    if (decision.hidesCursor) {
        HideCursorForSaver(state, platform);
    }
    const int exitCode = platform.RunSaver(state);
    RestoreCursor(state, platform);
    return exitCode;
}

void HideCursorForSaver(HostState& state, HostPlatform& platform) {
    platform.ShowCursor(false);
    state.cursorHidden = true;
}

void RestoreCursor(HostState& state, HostPlatform& platform) {
    if (!state.cursorHidden) {
        return;
    }
    // Always a show request: passing the saved count as the flag would hide the cursor once more
    // whenever that count happened to be 0.
    platform.ShowCursor(true);
    state.cursorHidden = false;
}

}  // namespace altostrat
