#pragma once
// Windows' power setting notifications (WM_POWERBROADCAST with PBT_POWERSETTINGCHANGE), asked
// for one setting at a time. The calls are looked up at run time, since Windows before Vista
// lacks them; there, nothing is registered and the older broadcasts still come.

#include <windows.h>

namespace altostrat {

// Asks for the setting's changes to come to WINDOW. The registration's handle, or nullptr when
// there is none.
void* RegisterPowerSettingNotice(HWND window, const GUID& setting);

// Gives the registration back and forgets it; safe with nullptr.
void UnregisterPowerSettingNotice(void*& notice);

// Whether a PBT_POWERSETTINGCHANGE broadcast's lParam reports SETTING; its first DWORD of data
// goes to VALUE when it holds one (VALUE may be null).
bool PowerSettingReports(LPARAM broadcast, const GUID& setting, DWORD* value);

}  // namespace altostrat
