#pragma once
// The keeper's whole state, owned by its entry point: the decision's state, the photograph it
// holds, the host whose choice as the screensaver it watches for, and what wakes it: its hidden
// window (the step timer, and Windows' notices of the session, the display and the settings) and
// the watch on the user's desktop settings in the registry, where the chosen saver is kept.

#include <windows.h>

#include <string>

#include "keeper/keeper_decision.h"
#include "keeper/win32/held_photograph.h"

namespace altostrat {

struct KeeperProgram {
    KeeperState decision;
    HeldPhotograph held;
    std::wstring hostPath;
    std::wstring photographName;  // the section's full name; its namespace held by the entry point
    HWND window = nullptr;
    HKEY desktopSettings = nullptr;       // HKCU\Control Panel\Desktop, while watched
    HANDLE desktopSettingsSet = nullptr;  // set when a value under it changes
};

// One look around and what the decision says, carried out; the step timer set for the next.
void StepKeeperProgram(KeeperProgram& program);

// The hidden window that receives the step timer and the notices and ends the keeper with the
// session or on WM_CLOSE; nullptr when it cannot be made.
HWND CreateKeeperWindow(HINSTANCE instance, KeeperProgram& program);

// Starts (again) the watch on the desktop settings; the event is set at the next change. False,
// and no event, when the settings cannot be watched: then only the window's notices bring a step.
bool WatchDesktopSettings(KeeperProgram& program);
// Ends the watch and drops what is held.
void EndKeeperProgram(KeeperProgram& program);

}  // namespace altostrat
