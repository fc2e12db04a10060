#include "common/win32/display_power_notice.h"

#include "common/win32/power_setting_notice.h"

namespace altostrat {
namespace {

// GUID_CONSOLE_DISPLAY_STATE, {6FE69556-704A-47A0-8F24-C28D936FDA47}.
constexpr GUID kConsoleDisplayState = {
    0x6FE69556, 0x704A, 0x47A0, {0x8F, 0x24, 0xC2, 0x8D, 0x93, 0x6F, 0xDA, 0x47}};

}  // namespace

void* RegisterDisplayStateNotice(HWND window) {
    return RegisterPowerSettingNotice(window, kConsoleDisplayState);
}

void UnregisterDisplayStateNotice(void*& notice) {
    UnregisterPowerSettingNotice(notice);
}

DisplayPower DisplayPowerFromPowerSetting(LPARAM setting, DisplayPower current) {
    DWORD state = 0;
    if (!PowerSettingReports(setting, kConsoleDisplayState, &state)) {
        return current;
    }
    return DisplayPowerFromConsoleState(state, current);
}

}  // namespace altostrat
