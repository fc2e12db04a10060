#include "renderer/win32/power_source.h"

#include <cstring>

namespace altostrat {
namespace {

// GUID_ACDC_POWER_SOURCE, {5D3E9A59-E9D5-4B00-A6BD-FF34FF516548}, declared here so that no
// GUID library needs linking.
constexpr GUID kAcDcPowerSource = {
    0x5D3E9A59, 0xE9D5, 0x4B00, {0xA6, 0xBD, 0xFF, 0x34, 0xFF, 0x51, 0x65, 0x48}};

// The head of POWERBROADCAST_SETTING.
struct PowerSettingHead {
    GUID powerSetting;
    DWORD dataLength;
};

constexpr BYTE kAcLineOffline = 0;
constexpr BYTE kBatterySaverOn = 1;

using RegisterFunction = void*(WINAPI*)(HANDLE recipient, const GUID* setting, DWORD flags);
using UnregisterFunction = BOOL(WINAPI*)(void* notice);

FARPROC User32Function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 == nullptr ? nullptr : GetProcAddress(user32, name);
}

}  // namespace

bool SystemOnBattery() {
    SYSTEM_POWER_STATUS status{};
    if (!GetSystemPowerStatus(&status)) {
        return false;
    }
    // The fourth byte is SystemStatusFlag (battery saver) since Windows 10; older headers,
    // MinGW's among them, still call it Reserved1, and older systems leave it 0.
    BYTE bytes[sizeof status];
    std::memcpy(bytes, &status, sizeof status);
    return status.ACLineStatus == kAcLineOffline || bytes[3] == kBatterySaverOn;
}

bool PowerSourceChangeNotice(WPARAM wParam, LPARAM lParam) {
    if (wParam == PBT_APMPOWERSTATUSCHANGE) {
        return true;
    }
    if (wParam != PBT_POWERSETTINGCHANGE || lParam == 0) {
        return false;
    }
    PowerSettingHead head;
    std::memcpy(&head, reinterpret_cast<const void*>(lParam), sizeof head);
    return IsEqualGUID(head.powerSetting, kAcDcPowerSource) != FALSE;
}

PowerSourceNotice::PowerSourceNotice(HWND window) {
    const FARPROC proc = User32Function("RegisterPowerSettingNotification");
    if (proc != nullptr && window != nullptr) {
        const auto registerNotice =
            reinterpret_cast<RegisterFunction>(reinterpret_cast<void*>(proc));
        registration = registerNotice(window, &kAcDcPowerSource, DEVICE_NOTIFY_WINDOW_HANDLE);
    }
}

PowerSourceNotice::~PowerSourceNotice() {
    const FARPROC proc = User32Function("UnregisterPowerSettingNotification");
    if (registration != nullptr && proc != nullptr) {
        reinterpret_cast<UnregisterFunction>(reinterpret_cast<void*>(proc))(registration);
    }
}

}  // namespace altostrat
