// altostrat-dpi-change TITLE OLD_DPI NEW_DPI: tells the window titled TITLE that its monitor's
// DPI changed, as Windows does when a per-monitor aware window is moved to a monitor of another
// scale (Wine never does): WM_DPICHANGED with the new DPI and the rectangle Windows would
// suggest, the client area scaled by NEW_DPI / OLD_DPI inside the window's frame, at the
// window's place. The rectangle is written into the window's own process, since a pointer of
// this one means nothing there. Exit code 0 when the message was delivered, 1 otherwise.
#include <windows.h>

#include <cwchar>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        std::fwprintf(stderr, L"usage: altostrat-dpi-change TITLE OLD_DPI NEW_DPI\n");
        return 2;
    }
    const HWND window = FindWindowW(nullptr, argv[1]);
    const int oldDpi = _wtoi(argv[2]);
    const int newDpi = _wtoi(argv[3]);
    if (window == nullptr || oldDpi <= 0 || newDpi <= 0) {
        return 1;
    }
    RECT client{};
    RECT frame{};
    GetClientRect(window, &client);
    GetWindowRect(window, &frame);
    RECT suggested{0, 0, MulDiv(client.right, newDpi, oldDpi),
                   MulDiv(client.bottom, newDpi, oldDpi)};
    AdjustWindowRectEx(&suggested, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
    OffsetRect(&suggested, frame.left - suggested.left, frame.top - suggested.top);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    if (process == nullptr) {
        return 1;
    }
    void* remote = VirtualAllocEx(process, nullptr, sizeof suggested, MEM_COMMIT | MEM_RESERVE,
                                  PAGE_READWRITE);
    bool sent = false;
    if (remote != nullptr &&
        WriteProcessMemory(process, remote, &suggested, sizeof suggested, nullptr)) {
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi),
                     reinterpret_cast<LPARAM>(remote));
        sent = true;
    }
    if (remote != nullptr) {
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return sent ? 0 : 1;
}
