#pragma once
// The one reading of the screen that the keeper, the host and the test helpers share. On a
// display scaled above 100 % Windows hands a program that has not declared per-monitor DPI
// awareness a virtual screen, monitors and screen copies in scaled units: the keeper's
// photograph would then differ from the host's screen and be refused. So every program that
// reads the screen declares per-monitor awareness (v2) in its manifest, and reads it here, in
// physical pixels, each monitor with its DPI.

#include <windows.h>

#include "common/screen_layout.h"

namespace altostrat {

// The virtual screen and every monitor on it, each with its DPI (96 where Windows cannot tell).
ScreenLayout ReadScreenLayout();

// Whether a copy of the screen shows the user's windows: both the desktop that receives input
// and this thread's desktop are the user's own, "Default" (not a locked screen, nor the desktop
// of its own Windows starts a password-protected saver on). Any failure to tell counts as not.
bool UsersDesktopShown();

// Copies AREA of the screen (GetDC of the desktop, BitBlt SRCCOPY) as BgrRows, the stride
// BmpRowBytes(width, 24), into SECTION at OFFSET (a multiple of 4) where it lies: no copy but
// the screen's. False when the copy failed (as it does on a desktop that is not the input one).
bool CopyScreenInto(const ScreenRect& area, HANDLE section, DWORD offset);

}  // namespace altostrat
