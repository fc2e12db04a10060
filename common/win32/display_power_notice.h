#pragma once
// Windows' console display state notification: the display went off, came on or dimmed. Looked
// up at run time, since Windows before Vista does not have it; without it the renderer still
// hears the monitor power command. Both the renderer's window and the host's saver form use it.

#include <windows.h>

#include "common/display_power.h"

namespace altostrat {

// Asks for WM_POWERBROADCAST with the console display state to come to WINDOW; Windows sends
// the current state at once. The registration's handle, or nullptr when there is none.
void* RegisterDisplayStateNotice(HWND window);

// Gives the registration back and forgets it; safe with nullptr.
void UnregisterDisplayStateNotice(void*& notice);

// The display power that a PBT_POWERSETTINGCHANGE broadcast (its lParam) reports; CURRENT when
// it reports another setting or nothing readable.
DisplayPower DisplayPowerFromPowerSetting(LPARAM setting, DisplayPower current);

}  // namespace altostrat
