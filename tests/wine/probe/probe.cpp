// altostrat-probe.exe: looks at and pokes windows from the scenario scripts, from inside Wine,
// where the Win32 view of a window (its class, client area, styles) can be seen.
//
//   altostrat-probe window CLASS TITLE   prints "client=WxH style=popup|overlapped|other
//                                         visible=0|1", exit 1 when no such window exists
//                                         (CLASS "-" matches any class)
//   altostrat-probe post [CLASS] TITLE MESSAGE WPARAM LPARAM
//                                         posts a message (numbers in C notation), exit 1
//                                         when no such window exists
//   altostrat-probe origin TITLE         prints "X Y", where the window's client area starts on
//                                         the screen, exit 1 when no such window exists
//   altostrat-probe texts CLASS TITLE    prints the texts the window's visible child
//                                         windows hold now, one a line in UTF-8, exit 1
//                                         when no such window exists
//   altostrat-probe places CLASS TITLE   of each visible child window (not their children):
//                                         "LEFT TOP RIGHT BOTTOM TEXT" (TEXT maybe empty), in
//                                         the window's client area, exit 1 when no such window
//                                         exists
//   altostrat-probe exstyle TITLE        prints "topmost=0|1 exstyle=0xXXXXXXXX", the window's
//                                         extended style, exit 1 when no such window exists
//   CLASS or TITLE "-" matches any (a wizard's title changes from page to page).
//   altostrat-probe hold TITLE hidden|visible
//                                         creates a top-level window with that title and keeps
//                                         it until the window gets a close request (WM_CLOSE)
//   altostrat-probe squat CLASS TITLE    as hold's hidden window, but of that window class: another
//                                         program taking the names of one of ours
//   altostrat-probe front TITLE          as hold's visible window, which then takes the
//                                         foreground as another program would put itself in
//                                         front (SetForegroundWindow); prints "front=1" once it
//                                         is the foreground window, "front=0" when refused
//   altostrat-probe watched TITLE        as hold's visible window, which prints "active" each
//                                         time it becomes the active window after its start
//   altostrat-probe parent TITLE W H       a borderless visible top-level window of that client
//                                         size at 100, 100, kept like hold's; prints its handle
//                                         as a decimal number once it exists
//   altostrat-probe child PARENT TITLE     of the child window TITLE of window PARENT (decimal):
//                                         "x=X y=Y size=WxH child=0|1 popup=0|1 visible=0|1"
//                                         (position in the parent's client area), exit 1 when
//                                         there is none
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

int Origin(const wchar_t* title) {
    HWND hwnd = Find(L"-", title);
    POINT origin{0, 0};
    if (hwnd == nullptr || !ClientToScreen(hwnd, &origin)) {
        std::printf("none\n");
        return 1;
    }
    std::printf("%ld %ld\n", origin.x, origin.y);
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

int ExStyle(const wchar_t* title) {
    HWND hwnd = Find(L"-", title);
    if (hwnd == nullptr) {
        std::printf("none\n");
        return 1;
    }
    const auto exStyle = static_cast<unsigned long>(GetWindowLongW(hwnd, GWL_EXSTYLE));
    std::printf("topmost=%d exstyle=0x%08lx\n", (exStyle & WS_EX_TOPMOST) ? 1 : 0, exStyle);
    return 0;
}

// The text a control holds now: GetWindowTextW of another process's window gives only the text
// it was created with, so an edit box's typed content is asked for with WM_GETTEXT.
BOOL CALLBACK PrintChildText(HWND child, LPARAM) {
    wchar_t text[512] = {};
    DWORD_PTR length = 0;
    if (IsWindowVisible(child) &&
        SendMessageTimeoutW(child, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text),
                            SMTO_ABORTIFHUNG, 5000, &length) != 0 &&
        length > 0) {
        char utf8[2048];
        if (WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr) > 0) {
            std::printf("%s\n", utf8);
        }
    }
    return TRUE;
}

// LPARAM: the window whose own children are printed with their places.
BOOL CALLBACK PrintChildPlace(HWND child, LPARAM parentValue) {
    const HWND parent = reinterpret_cast<HWND>(parentValue);
    wchar_t text[512] = {};
    if (GetParent(child) != parent || !IsWindowVisible(child)) {
        return TRUE;
    }
    GetWindowTextW(child, text, 512);
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    char utf8[2048];
    if (WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr) > 0) {
        std::printf("%ld %ld %ld %ld %s\n", place.left, place.top, place.right, place.bottom, utf8);
    }
    return TRUE;
}

int Places(const wchar_t* className, const wchar_t* title) {
    HWND hwnd = Find(className, title);
    if (hwnd == nullptr) {
        std::printf("none\n");
        return 1;
    }
    EnumChildWindows(hwnd, PrintChildPlace, reinterpret_cast<LPARAM>(hwnd));
    return 0;
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

// A window whose user data is kWatchedMark tells of each activation.
constexpr LONG_PTR kWatchedMark = 1;

LRESULT CALLBACK HoldProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE &&
        GetWindowLongPtrW(hwnd, GWLP_USERDATA) == kWatchedMark) {
        std::printf("active\n");
        std::fflush(stdout);
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

enum class HoldKind { kHidden, kVisible, kParent, kFront, kWatched };

int Hold(const wchar_t* title, HoldKind kind, int width = 0, int height = 0,
         const wchar_t* className = L"AltostratProbeHold") {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = HoldProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    // A white parent, so whatever covers it shows.
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    if (!RegisterClassW(&windowClass)) {
        return 1;
    }
    const bool asParent = kind == HoldKind::kParent;
    const bool visible = kind != HoldKind::kHidden;
    HWND hwnd = asParent
                    ? CreateWindowExW(0, windowClass.lpszClassName, title,
                                      WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100, 100, width,
                                      height, nullptr, nullptr, windowClass.hInstance, nullptr)
                    : CreateWindowExW(0, windowClass.lpszClassName, title,
                                      WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), 10, 10, 200,
                                      100, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (hwnd == nullptr) {
        return 1;
    }
    if (asParent) {
        std::printf("%lld\n", static_cast<long long>(reinterpret_cast<INT_PTR>(hwnd)));
        std::fflush(stdout);
    }
    if (kind == HoldKind::kWatched) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, kWatchedMark);
    }
    if (kind == HoldKind::kFront) {
        SetForegroundWindow(hwnd);
        std::printf("front=%d\n", GetForegroundWindow() == hwnd ? 1 : 0);
        std::fflush(stdout);
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}

int Child(const wchar_t* parentText, const wchar_t* title) {
    HWND parent =
        reinterpret_cast<HWND>(static_cast<INT_PTR>(std::wcstoll(parentText, nullptr, 10)));
    HWND child = FindWindowExW(parent, nullptr, nullptr, title);
    if (child == nullptr) {
        std::printf("none\n");
        return 1;
    }
    RECT frame;
    GetWindowRect(child, &frame);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&frame), 2);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    std::printf("x=%ld y=%ld size=%ldx%ld child=%d popup=%d visible=%d\n", frame.left, frame.top,
                frame.right - frame.left, frame.bottom - frame.top, (style & WS_CHILD) ? 1 : 0,
                (style & WS_POPUP) ? 1 : 0, IsWindowVisible(child) ? 1 : 0);
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
    if (argc == 4 && std::wcscmp(argv[1], L"places") == 0) {
        return Places(argv[2], argv[3]);
    }
    if (argc == 3 && std::wcscmp(argv[1], L"origin") == 0) {
        return Origin(argv[2]);
    }
    if (argc == 3 && std::wcscmp(argv[1], L"exstyle") == 0) {
        return ExStyle(argv[2]);
    }
    if (argc == 4 && std::wcscmp(argv[1], L"hold") == 0) {
        return Hold(argv[2],
                    std::wcscmp(argv[3], L"visible") == 0 ? HoldKind::kVisible : HoldKind::kHidden);
    }
    if (argc == 4 && std::wcscmp(argv[1], L"squat") == 0) {
        return Hold(argv[3], HoldKind::kHidden, 0, 0, argv[2]);
    }
    if (argc == 3 && std::wcscmp(argv[1], L"front") == 0) {
        return Hold(argv[2], HoldKind::kFront);
    }
    if (argc == 3 && std::wcscmp(argv[1], L"watched") == 0) {
        return Hold(argv[2], HoldKind::kWatched);
    }
    if (argc == 5 && std::wcscmp(argv[1], L"parent") == 0) {
        return Hold(argv[2], HoldKind::kParent, _wtoi(argv[3]), _wtoi(argv[4]));
    }
    if (argc == 4 && std::wcscmp(argv[1], L"child") == 0) {
        return Child(argv[2], argv[3]);
    }
    std::fprintf(stderr,
                 "usage: altostrat-probe window CLASS TITLE | post [CLASS] TITLE MSG WP LP"
                 " | texts CLASS TITLE | origin TITLE | exstyle TITLE"
                 " | hold TITLE hidden|visible | squat CLASS TITLE | front TITLE | watched TITLE"
                 " | parent TITLE W H | child PARENT TITLE\n");
    return 2;
}
