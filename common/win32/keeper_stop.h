#pragma once
// Asking the keeper of this session to end: its stop signal, set by the keeper's own /stop (for
// the installer and uninstaller) and by the settings dialog when the keeper box is cleared.

namespace altostrat {

// Sets the running keeper's stop signal; it ends within a moment. Does not wait. True when it was
// told, or when none runs.
bool SignalKeeperStop();

}  // namespace altostrat
