#include "keeper/win32/keeper_sight.h"

#include <vector>

#include "common/win32/same_file.h"

namespace altostrat {
namespace {

// SCRNSAVE.EXE of the user's desktop settings, environment variables expanded; "" when unset.
std::wstring ChosenSaver() {
    DWORD bytes = 0;
    const wchar_t* key = L"Control Panel\\Desktop";
    // REG_SZ alone: RegGetValueW then also takes a REG_EXPAND_SZ and expands it.
    const DWORD flags = RRF_RT_REG_SZ;
    if (RegGetValueW(HKEY_CURRENT_USER, key, L"SCRNSAVE.EXE", flags, nullptr, nullptr, &bytes) !=
            ERROR_SUCCESS ||
        bytes < sizeof(wchar_t)) {
        return {};
    }
    std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 1);
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, key, L"SCRNSAVE.EXE", flags, nullptr, text.data(),
                     &bytes) != ERROR_SUCCESS) {
        return {};
    }
    return std::wstring(text.data());
}

}  // namespace

bool InputDesktopIsDefault() {
    HDESK desktop = OpenInputDesktop(0, FALSE, DESKTOP_READOBJECTS);
    if (desktop == nullptr) {
        return false;
    }
    wchar_t name[64] = {};
    DWORD needed = 0;
    const bool named =
        GetUserObjectInformationW(desktop, UOI_NAME, name, sizeof name - sizeof name[0], &needed);
    CloseDesktop(desktop);
    return named && lstrcmpiW(name, L"Default") == 0;
}

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
    sight.saverRunning = running != FALSE;

    LASTINPUTINFO input{};
    input.cbSize = sizeof input;
    sight.nowTick = GetTickCount();
    // Without the last input's time, take the user as present: nothing is photographed.
    sight.lastInputTick = GetLastInputInfo(&input) ? input.dwTime : sight.nowTick;

    // The files and the desktop are looked at only while the saver is on at all.
    if (sight.saverActive && sight.timeoutSeconds > 0) {
        sight.oursChosen = SameFile(ChosenSaver(), hostPath);
        sight.inputDesktopIsDefault = InputDesktopIsDefault();
    }
    return sight;
}

}  // namespace altostrat
