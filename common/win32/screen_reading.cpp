#include "common/win32/screen_reading.h"

namespace altostrat {
namespace {

// GetDpiForMonitor's MDT_EFFECTIVE_DPI: the scale the user chose for the monitor.
constexpr int kEffectiveDpi = 0;
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

struct MonitorList {
    std::vector<MonitorPlace>* monitors;
    GetDpiForMonitorFunction dpiFor;  // nullptr before Windows 8.1
    UINT systemDpi;
};

BOOL CALLBACK AddMonitor(HMONITOR handle, HDC, LPRECT, LPARAM context) {
    const auto* list = reinterpret_cast<const MonitorList*>(context);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(handle, &info)) {
        UINT dpiX = 0;
        UINT dpiY = 0;
        if (list->dpiFor == nullptr || FAILED(list->dpiFor(handle, kEffectiveDpi, &dpiX, &dpiY))) {
            dpiX = list->systemDpi;
        }
        const RECT& r = info.rcMonitor;
        list->monitors->push_back(
            {{r.left, r.top, r.right, r.bottom}, dpiX, (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
    }
    return TRUE;
}

bool NamedDefault(HDESK desktop) {
    wchar_t name[64] = {};
    DWORD needed = 0;
    return desktop != nullptr &&
           GetUserObjectInformationW(desktop, UOI_NAME, name, sizeof name - sizeof name[0],
                                     &needed) &&
           lstrcmpiW(name, L"Default") == 0;
}

}  // namespace

ScreenLayout ReadScreenLayout() {
    ScreenLayout layout;
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    layout.virtualScreen = {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                            top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};

    HDC screen = GetDC(nullptr);
    const int systemDpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    ReleaseDC(nullptr, screen);
    HMODULE shcore = LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    MonitorList list{&layout.monitors,
                     shcore == nullptr
                         ? nullptr
                         : reinterpret_cast<GetDpiForMonitorFunction>(
                               reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor"))),
                     systemDpi > 0 ? static_cast<UINT>(systemDpi) : 96u};
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&list));
    if (shcore != nullptr) {
        FreeLibrary(shcore);
    }
    return layout;
}

bool UsersDesktopShown() {
    HDESK input = OpenInputDesktop(0, FALSE, DESKTOP_READOBJECTS);
    const bool inputIsDefault = NamedDefault(input);
    if (input != nullptr) {
        CloseDesktop(input);
    }
    // The thread's own desktop handle is not closed: it belongs to the thread.
    return inputIsDefault && NamedDefault(GetThreadDesktop(GetCurrentThreadId()));
}

bool CopyScreenInto(const ScreenRect& area, HANDLE section, DWORD offset) {
    if (area.Width() <= 0 || area.Height() <= 0 || section == nullptr) {
        return false;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = area.Width();
    info.bmiHeader.biHeight = -area.Height();  // negative: the top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, section, offset);
    if (picture == nullptr) {
        return false;
    }
    HDC pictureDC = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(pictureDC, picture);
    HWND desktop = GetDesktopWindow();
    HDC screenDC = GetDC(desktop);
    const bool copied = BitBlt(pictureDC, 0, 0, area.Width(), area.Height(), screenDC, area.left,
                               area.top, SRCCOPY) != FALSE;
    ReleaseDC(desktop, screenDC);
    GdiFlush();
    SelectObject(pictureDC, previous);
    DeleteDC(pictureDC);
    DeleteObject(picture);
    return copied;
}

}  // namespace altostrat
