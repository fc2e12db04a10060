#pragma once
// The three modes the start-up hands over to. Each returns when its mode is over, with the
// process exit code.

#include "host/host_state.h"

namespace altostrat {

// Embeds the still preview into the window state.PreviewParent.
int RunPreview(HostState& state);

// Shows the settings dialog modally and returns when it has closed.
int RunSettingsDialog(HostState& state);

// Captures the desktop, starts the music and the renderer, and lives until the renderer's
// window is gone.
int RunSaver(HostState& state);

}  // namespace altostrat
