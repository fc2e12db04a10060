// altostrat-probe.exe: looks at and pokes windows from the scenario scripts, from inside Wine,
// where the Win32 view of a window (its class, client area, styles) can be seen.
//
//   altostrat-probe window CLASS TITLE   prints "client=WxH style=popup|overlapped|other
//                                         visible=0|1", exit 1 when no such window exists
//                                         (CLASS "-" matches any class)
//   altostrat-probe post [CLASS] TITLE MESSAGE WPARAM LPARAM
//                                         posts a message (numbers in C notation), exit 1
//                                         when no such window exists
//   altostrat-probe texts CLASS TITLE    prints the texts of the window's visible child
//                                         windows, one a line in UTF-8, exit 1 when no such
//                                         window exists
//   CLASS or TITLE "-" matches any (a wizard's title changes from page to page).
//   altostrat-probe hold TITLE hidden|visible
//                                         creates a top-level window with that title and keeps
//                                         it until the window gets a close request (WM_CLOSE)
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

HWND Find(const wchar_t* className, const wchar_t* title) {
    return FindWindowW(std::wcscmp(className, L"-") == 0 ? nullptr : className,
                       std::wcscmp(title, L"-") == 0 ? nullptr : title);
}

int Window(const wchar_t* className, const wchar_t* title) {
    HWND hwnd = Find(className, title);
    if (hwnd == nullptr) {
        std::printf("none\n");
        return 1;
    }
    RECT client;
    GetClientRect(hwnd, &client);
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    const char* kind = (style & WS_POPUP)                                       ? "popup"
                       : ((style & WS_OVERLAPPEDWINDOW) == WS_OVERLAPPEDWINDOW) ? "overlapped"
                                                                                : "other";
    std::printf("client=%ldx%ld style=%s visible=%d\n", client.right - client.left,
                client.bottom - client.top, kind, IsWindowVisible(hwnd) ? 1 : 0);
    return 0;
}

int Post(const wchar_t* className, const wchar_t* title, const wchar_t* message,
         const wchar_t* wParam, const wchar_t* lParam) {
    HWND hwnd = Find(className, title);
    if (hwnd == nullptr) {
        std::printf("none\n");
        return 1;
    }
    const auto number = [](const wchar_t* text) { return std::wcstoull(text, nullptr, 0); };
    return PostMessageW(hwnd, static_cast<UINT>(number(message)),
                        static_cast<WPARAM>(number(wParam)), static_cast<LPARAM>(number(lParam)))
               ? 0
               : 1;
}

BOOL CALLBACK PrintChildText(HWND child, LPARAM) {
    wchar_t text[512];
    if (IsWindowVisible(child) && GetWindowTextW(child, text, 512) > 0) {
        char utf8[2048];
        if (WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr) > 0) {
            std::printf("%s\n", utf8);
        }
    }
    return TRUE;
}

int Texts(const wchar_t* className, const wchar_t* title) {
    HWND hwnd = Find(className, title);
    if (hwnd == nullptr) {
        std::printf("none\n");
        return 1;
    }
    EnumChildWindows(hwnd, PrintChildText, 0);
    return 0;
}

LRESULT CALLBACK HoldProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

int Hold(const wchar_t* title, bool visible) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = HoldProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"AltostratProbeHold";
    if (!RegisterClassW(&windowClass)) {
        return 1;
    }
    HWND hwnd = CreateWindowExW(0, windowClass.lpszClassName, title,
                                WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), 10, 10, 200, 100,
                                nullptr, nullptr, windowClass.hInstance, nullptr);
    if (hwnd == nullptr) {
        return 1;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 4 && std::wcscmp(argv[1], L"window") == 0) {
        return Window(argv[2], argv[3]);
    }
    if (argc == 6 && std::wcscmp(argv[1], L"post") == 0) {
        return Post(L"-", argv[2], argv[3], argv[4], argv[5]);
    }
    if (argc == 7 && std::wcscmp(argv[1], L"post") == 0) {
        return Post(argv[2], argv[3], argv[4], argv[5], argv[6]);
    }
    if (argc == 4 && std::wcscmp(argv[1], L"texts") == 0) {
        return Texts(argv[2], argv[3]);
    }
    if (argc == 4 && std::wcscmp(argv[1], L"hold") == 0) {
        return Hold(argv[2], std::wcscmp(argv[3], L"visible") == 0);
    }
    std::fprintf(stderr,
                 "usage: altostrat-probe window CLASS TITLE | post [CLASS] TITLE MSG WP LP"
                 " | texts CLASS TITLE | hold TITLE hidden|visible\n");
    return 2;
}
