#include "common/win32/power_setting_notice.h"

#include <cstring>

namespace altostrat {
namespace {

// The head of POWERBROADCAST_SETTING, declared here so that older headers do.
struct PowerSettingHead {
    GUID powerSetting;
    DWORD dataLength;
};

using RegisterFunction = void*(WINAPI*)(HANDLE recipient, const GUID* setting, DWORD flags);
using UnregisterFunction = BOOL(WINAPI*)(void* notice);

FARPROC User32Function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 == nullptr ? nullptr : GetProcAddress(user32, name);
}

}  // namespace

void* RegisterPowerSettingNotice(HWND window, const GUID& setting) {
    const FARPROC proc = User32Function("RegisterPowerSettingNotification");
    if (proc == nullptr || window == nullptr) {
        return nullptr;
    }
    const auto registerNotice = reinterpret_cast<RegisterFunction>(reinterpret_cast<void*>(proc));
    return registerNotice(window, &setting, DEVICE_NOTIFY_WINDOW_HANDLE);
}

void UnregisterPowerSettingNotice(void*& notice) {
    if (notice == nullptr) {
        return;
    }
    const FARPROC proc = User32Function("UnregisterPowerSettingNotification");
    if (proc != nullptr) {
        reinterpret_cast<UnregisterFunction>(reinterpret_cast<void*>(proc))(notice);
    }
    notice = nullptr;
}

bool PowerSettingReports(LPARAM broadcast, const GUID& setting, DWORD* value) {
    if (broadcast == 0) {
        return false;
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(broadcast);
    PowerSettingHead head;
    std::memcpy(&head, bytes, sizeof head);
    if (!IsEqualGUID(head.powerSetting, setting)) {
        return false;
    }
    if (value != nullptr) {
        if (head.dataLength < sizeof(DWORD)) {
            return false;
        }
        std::memcpy(value, bytes + sizeof head, sizeof(DWORD));
    }
    return true;
}

}  // namespace altostrat
