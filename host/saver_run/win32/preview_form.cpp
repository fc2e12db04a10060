// The preview form "Preview Window": a real child window (WS_CHILD, no pop-up bit) of the window
// Windows hands over, at 0, 0 and covering it, that shows the built-in still stretched to fill
// it exactly.
//
// The handle on the command line is a 32-bit number; window handles are 32-bit values
// sign-extended on 64-bit Windows, so it is widened that way. A zero handle, or one that names no
// window, ends the program at once. The program ends when the preview window goes: it is
// destroyed with its parent, and because a child in another process (under Wine) may only get
// its final WM_DESTROY, a timer also checks that the parent still exists.
//
// The host is per-monitor DPI aware and the Screen Saver Settings may not be: Windows refuses a
// child whose DPI awareness differs from its parent's, and the preview would stay blank. So the
// form is made under the parent's awareness, where Windows has awareness contexts (looked up at
// run time, Windows 10 1607 and later), and it covers the parent's client area as the parent
// measures it.
//
// With the clock chosen in the settings the still shows the local time as the flight does, in
// the same corner and font, at the preview's size; the parent poll repaints it when the minute
// changes.
#include "host/saver_run/win32/preview_form.h"

#include <windows.h>

#include <cstdint>

#include "common/agreement.h"
#include "common/clock_format.h"
#include "common/win32/user_clock_format.h"
#include "common/win32/wide_text.h"
#include "flight/clock/clock_place.h"
#include "flight/clock/pixel_font.h"
#include "host/resource_ids.h"
#include "host/text/paths.h"

namespace altostrat {
namespace {

constexpr wchar_t kPreviewClass[] = L"AltostratPreviewForm";
constexpr UINT_PTR kParentPoll = 1;
constexpr UINT kParentPollInterval = 250;

struct PreviewForm {
    HWND parent = nullptr;
    HBITMAP still = nullptr;
    bool clockShown = false;
    ClockFormat clockFormat;  // as the pixel font draws it
    int minute = -1;          // the local minute last painted
};

int LocalMinuteNow() {
    SYSTEMTIME local;
    GetLocalTime(&local);
    return local.wHour * 60 + local.wMinute;
}

// The time over the still: the flight's plate and digits, solid, as GDI paints them.
void PaintClock(HDC target, const RECT& client, PreviewForm& form) {
    form.minute = LocalMinuteNow();
    const std::string text = ClockText(form.clockFormat, form.minute / 60, form.minute % 60);
    const ScreenRect area{0, 0, client.right, client.bottom};
    const int scale = ClockScale(area.Height());
    const ScreenRect plate = ClockPlate(area, PixelTextWidth(text), form.minute);
    const RECT plateRect{plate.left, plate.top, plate.right, plate.bottom};
    FillRect(target, &plateRect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    HBRUSH digits = CreateSolidBrush(RGB(255, 247, 230));
    const int textLeft = plate.left + kClockPadding * scale;
    const int textBottom = plate.bottom - kClockPadding * scale;
    for (const PixelRun& run : LayOutPixelText(text)) {
        const int left = textLeft + run.x * scale;
        const int bottom = textBottom - run.y * scale;
        const RECT lit{left, bottom - scale, left + run.length * scale, bottom};
        FillRect(target, &lit, digits);
    }
    DeleteObject(digits);
}

void PaintStill(HWND window, PreviewForm& form) {
    PAINTSTRUCT paint;
    HDC target = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    BITMAP shape{};
    if (form.still != nullptr && GetObjectW(form.still, sizeof shape, &shape) != 0) {
        HDC source = CreateCompatibleDC(target);
        HGDIOBJ previous = SelectObject(source, form.still);
        SetStretchBltMode(target, HALFTONE);
        SetBrushOrgEx(target, 0, 0, nullptr);
        StretchBlt(target, 0, 0, client.right, client.bottom, source, 0, 0, shape.bmWidth,
                   shape.bmHeight, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
    } else {
        FillRect(target, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    if (form.clockShown) {
        PaintClock(target, client, form);
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK PreviewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<PreviewForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_PAINT:
            if (form != nullptr) {
                PaintStill(window, *form);
                return 0;
            }
            break;
        case WM_ERASEBKGND:
            return 1;  // the still covers every pixel
        case WM_TIMER:
            if (wParam == kParentPoll && form != nullptr && !IsWindow(form->parent)) {
                DestroyWindow(window);
            } else if (form != nullptr && form->clockShown && form->minute != LocalMinuteNow()) {
                InvalidateRect(window, nullptr, FALSE);
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

using DpiContext = HANDLE;  // DPI_AWARENESS_CONTEXT, which older headers lack

// Makes the calling thread's new windows take PARENT's DPI awareness, and gives the awareness it
// had (nothing to give back where Windows has no awareness contexts).
DpiContext UseAwarenessOf(HWND parent) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    using GetWindowContext = DpiContext(WINAPI*)(HWND);
    using SetThreadContext = DpiContext(WINAPI*)(DpiContext);
    const auto getWindowContext = reinterpret_cast<GetWindowContext>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetWindowDpiAwarenessContext")));
    const auto setThreadContext = reinterpret_cast<SetThreadContext>(
        reinterpret_cast<void*>(GetProcAddress(user32, "SetThreadDpiAwarenessContext")));
    if (getWindowContext == nullptr || setThreadContext == nullptr) {
        return nullptr;
    }
    const DpiContext parentContext = getWindowContext(parent);
    return parentContext != nullptr ? setThreadContext(parentContext) : nullptr;
}

void RestoreAwareness(DpiContext previous) {
    if (previous == nullptr) {
        return;
    }
    using SetThreadContext = DpiContext(WINAPI*)(DpiContext);
    const auto setThreadContext = reinterpret_cast<SetThreadContext>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
    if (setThreadContext != nullptr) {
        setThreadContext(previous);
    }
}

}  // namespace

int RunPreview(HostState& state) {
    // Sign-extended, as Windows widens 32-bit window handles.
    HWND parent = reinterpret_cast<HWND>(static_cast<std::intptr_t>(state.PreviewParent));
    if (parent == nullptr || !IsWindow(parent)) {
        return 0;
    }
    // From here on the thread measures and creates as the parent does.
    const DpiContext previousAwareness = UseAwarenessOf(parent);
    RECT area{};
    GetClientRect(parent, &area);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    PreviewForm form;
    form.parent = parent;
    form.still =
        static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(ALTOSTRAT_IDB_PREVIEW_STILL),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    // Only the clock's choice is wanted from the settings here.
    HostSettings settings;
    LoadSettings(settings, SettingsPath(state.programFolder), state.programFolder);
    form.clockShown = settings.ClockShown;
    form.clockFormat = FitClockFormat(UserClockFormat(), PixelFontDraws);
    WNDCLASSW previewClass{};
    previewClass.lpfnWndProc = PreviewProc;
    previewClass.hInstance = instance;
    previewClass.lpszClassName = kPreviewClass;
    previewClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassW(&previewClass);
    HWND window = CreateWindowExW(0, kPreviewClass, Wide(kPreviewWindowTitle).c_str(),
                                  WS_CHILD | WS_CLIPSIBLINGS, 0, 0, width, height, parent, nullptr,
                                  instance, nullptr);
    RestoreAwareness(previousAwareness);
    if (window == nullptr) {
        DeleteObject(form.still);
        return 0;
    }
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&form));
    SetTimer(window, kParentPoll, kParentPollInterval, nullptr);
    ShowWindow(window, SW_SHOWNA);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DeleteObject(form.still);
    return 0;
}

}  // namespace altostrat
