#include "renderer/win32/power_source.h"

#include <cstring>

#include "common/win32/power_setting_notice.h"

namespace altostrat {
namespace {

// GUID_ACDC_POWER_SOURCE, {5D3E9A59-E9D5-4B00-A6BD-FF34FF516548}, declared here so that no
// GUID library needs linking.
constexpr GUID kAcDcPowerSource = {
    0x5D3E9A59, 0xE9D5, 0x4B00, {0xA6, 0xBD, 0xFF, 0x34, 0xFF, 0x51, 0x65, 0x48}};

constexpr BYTE kAcLineOffline = 0;
constexpr BYTE kBatterySaverOn = 1;

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
    return wParam == PBT_POWERSETTINGCHANGE &&
           PowerSettingReports(lParam, kAcDcPowerSource, nullptr);
}

PowerSourceNotice::PowerSourceNotice(HWND window)
    : registration(RegisterPowerSettingNotice(window, kAcDcPowerSource)) {}

PowerSourceNotice::~PowerSourceNotice() {
    UnregisterPowerSettingNotice(registration);
}

}  // namespace altostrat
