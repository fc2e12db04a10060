#pragma once
// The preview mode: the still in the little window of Windows' Screen Saver Settings.

#include "host/host_state.h"

namespace altostrat {

// Embeds the still preview into the window state.PreviewParent and returns, with the process
// exit code, once that window is gone.
int RunPreview(HostState& state);

}  // namespace altostrat
