#pragma once
// Asking the keeper of this session to end: its stop signal, set by the keeper's own /stop (for
// the installer and uninstaller) and by the settings dialog when the keeper box is cleared.

namespace altostrat {

// Sets the running keeper's stop signal; nothing when no keeper runs. Does not wait.
void SignalKeeperStop();

}  // namespace altostrat
