#include "common/win32/display_power_notice.h"

#include <cstring>

namespace altostrat {
namespace {

// GUID_CONSOLE_DISPLAY_STATE, {6FE69556-704A-47A0-8F24-C28D936FDA47}.
constexpr GUID kConsoleDisplayState = {
    0x6FE69556, 0x704A, 0x47A0, {0x8F, 0x24, 0xC2, 0x8D, 0x93, 0x6F, 0xDA, 0x47}};

// POWERBROADCAST_SETTING, declared here so older headers do.
struct PowerSetting {
    GUID powerSetting;
    DWORD dataLength;
    UCHAR data[1];
};

using RegisterFunction = void*(WINAPI*)(HANDLE recipient, const GUID* setting, DWORD flags);
using UnregisterFunction = BOOL(WINAPI*)(void* notice);

FARPROC User32Function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 == nullptr ? nullptr : GetProcAddress(user32, name);
}

}  // namespace

void* RegisterDisplayStateNotice(HWND window) {
    const FARPROC proc = User32Function("RegisterPowerSettingNotification");
    if (proc == nullptr) {
        return nullptr;
    }
    const auto registerNotice = reinterpret_cast<RegisterFunction>(reinterpret_cast<void*>(proc));
    return registerNotice(window, &kConsoleDisplayState, DEVICE_NOTIFY_WINDOW_HANDLE);
}

void UnregisterDisplayStateNotice(void*& notice) {
    if (notice == nullptr) {
        return;
    }
    const FARPROC proc = User32Function("UnregisterPowerSettingNotification");
    if (proc != nullptr) {
        reinterpret_cast<UnregisterFunction>(reinterpret_cast<void*>(proc))(notice);
    }
    notice = nullptr;
}

DisplayPower DisplayPowerFromPowerSetting(LPARAM setting, DisplayPower current) {
    const auto* broadcast = reinterpret_cast<const PowerSetting*>(setting);
    if (broadcast == nullptr || !IsEqualGUID(broadcast->powerSetting, kConsoleDisplayState) ||
        broadcast->dataLength < sizeof(DWORD)) {
        return current;
    }
    DWORD state = 0;
    std::memcpy(&state, broadcast->data, sizeof state);
    return DisplayPowerFromConsoleState(state, current);
}

}  // namespace altostrat
