#pragma once
// Whether Windows runs on battery, for the flight to spare it (frame_pacer.h): the AC line
// offline, or battery saver on, count as battery; a line state Windows does not know (a desktop
// reports "unknown" on some systems) counts as mains, so a machine that cannot tell flies at
// full rate. The flight asks every few seconds; the power source notification makes it ask at
// once. Windows before Vista lacks the power setting notification and still sends the older
// power status broadcast.

#include <windows.h>

namespace altostrat {

// GetSystemPowerStatus: the AC line offline, or battery saver on. False when the call fails.
bool SystemOnBattery();

// Whether a WM_POWERBROADCAST says the power source or the power status may have changed.
bool PowerSourceChangeNotice(WPARAM wParam, LPARAM lParam);

// Held while the flight runs: WM_POWERBROADCAST with GUID_ACDC_POWER_SOURCE comes to the window
// (looked up at run time; nothing where Windows lacks it), and is given back on every way out.
struct PowerSourceNotice {
    explicit PowerSourceNotice(HWND window);
    ~PowerSourceNotice();
    PowerSourceNotice(const PowerSourceNotice&) = delete;
    PowerSourceNotice& operator=(const PowerSourceNotice&) = delete;

    void* registration = nullptr;
};

}  // namespace altostrat
