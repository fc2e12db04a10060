#include "keeper/win32/keeper_sight.h"

#include <windows.h>

#include "common/agreement.h"
#include "common/win32/our_window.h"
#include "common/win32/registry_text.h"
#include "common/win32/same_file.h"
#include "common/win32/screen_reading.h"
#include "common/win32/session_lock.h"

namespace altostrat {

KeeperSight LookAround(const std::wstring& hostPath) {
    KeeperSight sight;
    BOOL active = FALSE;
    UINT timeout = 0;
    BOOL running = FALSE;
    SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    SystemParametersInfoW(SPI_GETSCREENSAVETIMEOUT, 0, &timeout, 0);
    SystemParametersInfoW(SPI_GETSCREENSAVERRUNNING, 0, &running, 0);
    sight.saverActive = active != FALSE;
    sight.timeoutSeconds = timeout;
    // A run started by hand (the settings dialog's test, a shortcut) is no saver to Windows, but
    // its flight window on this desktop is as much not the user's desktop.
    sight.saverRunning =
        running != FALSE || FindOurWindow(kRendererWindowClass, kRendererWindowTitle) != nullptr;

    // The input first, then the clock: read the other way round, an input in between would lie
    // after "now" and the idle time would wrap to 49 days.
    LASTINPUTINFO input{};
    input.cbSize = sizeof input;
    const bool inputKnown = GetLastInputInfo(&input) != FALSE;
    sight.nowTick = GetTickCount();
    // Without the last input's time, take the user as present: nothing is photographed.
    sight.lastInputTick = inputKnown ? input.dwTime : sight.nowTick;

    // The files and the desktop are looked at only while the saver is on at all.
    if (sight.saverActive && sight.timeoutSeconds > 0) {
        sight.oursChosen =
            SameFile(UserRegistryText(kDesktopSettingsKey, L"SCRNSAVE.EXE"), hostPath);
        // A locked session may still show "Default" as its input desktop to a program (Wine's
        // always does); the session service, where it can say, knows better.
        sight.usersDesktopShown = UsersDesktopShown() && ReadSessionLock() != SessionLock::kLocked;
    }
    return sight;
}

}  // namespace altostrat
